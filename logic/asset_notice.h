// What the window says about the asset files that did not load: a few
// problems as standard error gave them, one line each (the overlay wraps a
// long one), or, when there are more, one sentence saying how many and what
// to do. Standard error keeps every problem's full text.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

constexpr std::size_t assetNoticeShownProblems = 3;

// `problems` holds the first lines reported, `count` how many there were in
// all. Empty when there were none.
std::vector<std::string> assetNoticeLines(const std::vector<std::string>& problems, std::size_t count);
