#include "app/command_line.h"

#include <cstdio>
#include <cstring>

#ifndef MARIVANE_VERSION
#error "the build passes MARIVANE_VERSION"
#endif

namespace {

const char* const usageText =
    "Usage: marivane [--help | --version]\n"
    "Shows how daylight loses its colours as a diver descends.\n"
    "\n"
    "Controls:\n"
    "  Down / Up arrow        deeper / shallower\n"
    "  left mouse button held and moved\n"
    "                         look around the fish\n"
    "  F1                     show or hide the help panel\n"
    "  F2                     show or hide the frame rate\n"
    "  Ctrl+Q                 quit\n"
    "\n"
    "Each asset is read from the working directory, or else from\n"
    "<folder of the program>/../share/marivane/.\n"
    "Other arguments are ignored. See marivane(6).\n";

}  // namespace

bool printInformationRequested(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0) {
            std::fputs(usageText, stdout);
            return true;
        }
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("marivane %s\n", MARIVANE_VERSION);
            return true;
        }
    }
    return false;
}
