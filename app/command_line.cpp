#include "app/command_line.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>

#include "language/translation.h"
#include "logic/controls.h"

#ifndef MARIVANE_VERSION
#error "the build passes MARIVANE_VERSION"
#endif

namespace {

constexpr std::size_t keyColumn = 20;

// Characters in UTF-8 `text`: printf's %-20s counts bytes, which puts the
// column out of line after a letter such as "ö".
std::size_t characterCount(const char* text)
{
    std::size_t characters = 0;
    for (const char* p = text; *p != '\0'; ++p)
        if ((static_cast<unsigned char>(*p) & 0xC0) != 0x80)
            ++characters;
    return characters;
}

// `text` padded with spaces to `width` characters.
std::string paddedColumn(const char* text, std::size_t width)
{
    std::string padded = text;
    const std::size_t characters = characterCount(text);
    if (characters < width)
        padded.append(width - characters, ' ');
    return padded;
}

void printUsage()
{
    std::fputs(tr("Usage: marivane [-h | --help | --version]\n"
                  "Shows how daylight loses its colours as a diver descends.\n"),
               stdout);
    // TRANSLATORS: a heading before its list ("Controls:").
    std::printf("\n%s\n", formatted(tr("%s:"), tr(controlsTitle)).c_str());
    // The key column is wide enough for every key name and a space more.
    std::size_t column = keyColumn;
    for (const Control& control : controls)
        column = std::max(column, characterCount(tr(control.keys)) + 2);
    for (const Control& control : controls)
        std::printf("  %s %s\n", paddedColumn(tr(control.keys), column).c_str(), tr(control.action));
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
