// What the window says about the asset files that did not load: the first
// few problems as standard error gave them, then how many more there were.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

constexpr std::size_t assetNoticeShownProblems = 3;

// `problems` holds the first lines reported, `count` how many there were in
// all. Empty when there were none.
std::vector<std::string> assetNoticeLines(const std::vector<std::string>& problems, std::size_t count);
