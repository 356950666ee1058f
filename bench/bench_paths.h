// Where the benchmarks find the program, its assets and their own inputs:
// everything lies beside the bench executable in the build folder.
#pragma once

#include <string>
#include <vector>

std::string executableDir();
std::string assetsDir();      // the generated assets, the program's working directory
std::string benchDataDir();   // generated benchmark inputs, made on first use
std::string assetPath(const std::string& fileName);

// The eleven images the program loads, in its loading order.
std::vector<std::string> textureFileNames();

// Empty when all twelve assets exist, else which are missing.
std::string missingAssets();

long long fileSize(const std::string& path);
