// The folder the running executable lives in, where a Windows program keeps
// what it ships and a Linux installation finds its data relative to.
#pragma once

#include <string>

// Without a trailing separator; empty when the executable's path cannot be read.
std::string programFolder();
