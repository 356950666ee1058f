// What went wrong with the asset files, one line a file: each line is said on
// standard error at once, as "Warning: <text>", and kept, so that the window
// can say it too once start-up is done (a user who started the program from
// a menu never sees standard error).
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "assets/asset_path.h"

void reportAssetProblem(const std::string& text);

// The first lines reported, in order: no more than a window could show, so
// that a loader run again and again (a fuzzer, a benchmark) keeps no more.
constexpr std::size_t keptAssetProblems = 16;
const std::vector<std::string>& assetProblems();
// How many were reported in all.
std::size_t assetProblemCount();

// What kind of asset a sentence names: the kind decides the sentence's
// grammar in many languages, and what the scene does without it.
enum class AssetKind { texture, mesh };

// The start of a sentence about a file that could not be used, naming it
// with its folder: 'The texture "rock.png" in /home/ann/dive could not be
// used (a folder, not a file)'. A missing file names every place looked in.
// All of it in the user's language; `reason` already is.
std::string unusableAssetText(AssetKind kind, const std::string& fileName, const AssetLocation& location,
                              const std::string& reason);

// The sentence's end when there was no other copy to try: ", so the scene
// is drawn without it."
std::string withoutAssetText(AssetKind kind);

// What happened when the working directory's copy could not be used and the
// installed one was tried: ", so the installed copy in <folder> is used
// instead." or "; the installed copy in <folder> cannot be used either
// (<reason>), so the scene is drawn without it."
std::string fallbackText(AssetKind kind, const AssetLocation& location, const std::string& installedFailure);
