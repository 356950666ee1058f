#include "app/command_line.h"

#include <cstdio>
#include <cstring>

#include "logic/controls.h"

#ifndef MARIVANE_VERSION
#error "the build passes MARIVANE_VERSION"
#endif

namespace {

void printUsage()
{
    std::fputs("Usage: marivane [-h | --help | --version]\n"
               "Shows how daylight loses its colours as a diver descends.\n"
               "\n",
               stdout);
    std::printf("%s:\n", controlsTitle);
    for (const Control& control : controls)
        std::printf("  %-20s %s\n", control.keys, control.action);
    std::fputs("\n"
               "Each asset is read from the working directory, or else from\n"
               "<folder of the program>/../share/marivane/.\n"
               "Other arguments are ignored. See marivane(6).\n",
               stdout);
}

}  // namespace

bool printInformationRequested(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            printUsage();
            return true;
        }
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("marivane %s\n", MARIVANE_VERSION);
            return true;
        }
    }
    return false;
}
