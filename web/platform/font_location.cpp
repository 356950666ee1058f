// The web page carries its font inside (scripts/build-web embeds DejaVu Sans
// at this path), so there is nothing to look for.
#include "platform/font_location.h"

#include <cstring>
#include <string>

char* makeFontPath()
{
    const std::string path = std::string("/fonts/") + shippedFontName;
    char* copy = new char[path.size() + 1];
    std::memcpy(copy, path.c_str(), path.size() + 1);
    return copy;
}
