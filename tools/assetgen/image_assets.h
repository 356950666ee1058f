// Writes the eleven PNG pictures the program loads into one folder, under the
// names of the program's texture table.
#pragma once

#include <string>

// Prints one line on standard error for a file it cannot write and returns
// false; returns true when every picture was written.
bool writeImageAssets(const std::string& dir);
