// Writes the fish mesh, "mackerel.obj", into a folder.
#pragma once

#include <string>

// Prints one line on standard error for a file it cannot write and returns
// false; returns true when the mesh was written.
bool writeMackerelModel(const std::string& dir);
