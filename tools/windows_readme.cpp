// Writes the Windows folder's README.txt from its template, with the controls
// listed from the program's own table, as --help lists them.
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "logic/controls_text.h"

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: marivane_windows_readme <README.txt.in> <README.txt>\n");
        return 2;
    }
    std::ifstream in(argv[1]);
    std::stringstream text;
    text << in.rdbuf();
    std::string readme = text.str();
    const std::string marker = "@MARIVANE_CONTROLS@\n";
    const std::size_t at = readme.find(marker);
    if (!in || at == std::string::npos) {
        std::fprintf(stderr, "marivane_windows_readme: %s has no line %s", argv[1], marker.c_str());
        return 1;
    }
    readme.replace(at, marker.size(), controlsListing());
    std::ofstream out(argv[2], std::ios::binary);
    out << readme;
    if (!out) {
        std::fprintf(stderr, "marivane_windows_readme: couldn't write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
