// The window's icon as C++ source, for the program to build in: the same
// drawing as the desktop icon, at the window icon's size.
#pragma once

#include <string>

bool writeWindowIconSource(const std::string& path);
