// The controls table as plain text, one control a line: what --help prints
// and what the Windows folder's README.txt lists, so both follow the table.
#pragma once

#include <string>

// "  <keys padded to 20> <action>\n" for every control, in the table's order,
// each text put through `translate` when one is given (the program passes
// tr); a key name of 20 characters or more widens the key column for every
// line.
std::string controlsListing(const char* (*translate)(const char*) = nullptr);
