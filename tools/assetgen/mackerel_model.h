// The fish model the program draws six times: a mackerel about 2.4 units
// long, snout towards +x, centred on the origin.
#pragma once

#include <string>

// Writes the fish mesh into dir, under the program's meshFileName. Returns
// false (with a message on standard error) when the file cannot be written.
bool writeMackerelModel(const std::string& dir);
