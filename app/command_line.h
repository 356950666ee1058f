// The two informational options. The program takes no other options and
// ignores every other argument.
#pragma once

// Prints the usage text for -h or --help, or the version for --version, on
// standard output and returns true when one of them is among the arguments
// (the first one found wins); returns false otherwise, having printed nothing.
bool printInformationRequested(int argc, char** argv);
