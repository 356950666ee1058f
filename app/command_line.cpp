#include "app/command_line.h"

#include <cstdio>
#include <cstring>

#include "language/translation.h"
#include "logic/controls.h"
#include "logic/controls_text.h"

#ifndef MARIVANE_VERSION
#error "the build passes MARIVANE_VERSION"
#endif

namespace {

void printUsage()
{
    std::fputs(tr("Usage: marivane [-h | --help | --version]\n"
                  "Shows how daylight loses its colours as a diver descends.\n"),
               stdout);
    // TRANSLATORS: a heading before its list ("Controls:").
    std::printf("\n%s\n", formatted(tr("%s:"), tr(controlsTitle)).c_str());
    std::fputs(controlsListing(tr).c_str(), stdout);
    std::fputs("\n", stdout);
    std::fputs(tr("Each asset is read from the working directory, or else from\n"
                  "<folder of the program>/../share/marivane/.\n"
                  "Other arguments are ignored. See marivane(6).\n"),
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
