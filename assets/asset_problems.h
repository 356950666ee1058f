// What went wrong with the asset files, one line a file: each line is said on
// standard error at once, as "Warning: <text>", and kept, so that the window
// can say it too once start-up is done (a user who started the program from
// a menu never sees standard error).
#pragma once

#include <cstddef>
#include <string>
#include <vector>

void reportAssetProblem(const std::string& text);

// The first lines reported, in order: no more than a window could show, so
// that a loader run again and again (a fuzzer, a benchmark) keeps no more.
constexpr std::size_t keptAssetProblems = 16;
const std::vector<std::string>& assetProblems();
// How many were reported in all.
std::size_t assetProblemCount();
