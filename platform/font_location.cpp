#include "platform/font_location.h"

#include <cstdlib>
#include <cstring>

#include <fontconfig/fontconfig.h>

std::string windowsFontPath(const char* windir)
{
    return std::string(windir) + "\\Fonts\\verdana.TTF";
}

std::string fontconfigMatch(const char* family)
{
    std::string path;
    if (!FcInit())
        return path;
    FcPattern* pattern = FcNameParse(reinterpret_cast<const FcChar8*>(family));
    if (pattern == nullptr)
        return path;
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern* match = FcFontMatch(nullptr, pattern, &result);
    if (match != nullptr) {
        FcChar8* file = nullptr;
        if (FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch && file != nullptr)
            path = reinterpret_cast<const char*>(file);
        FcPatternDestroy(match);
    }
    FcPatternDestroy(pattern);
    return path;
}

char* makeFontPath()
{
    const char* windir = std::getenv("windir");
    std::string path = windir != nullptr ? windowsFontPath(windir) : fontconfigMatch("Verdana");
    char* buffer = new char[path.size() + 1];
    std::memcpy(buffer, path.c_str(), path.size() + 1);
    return buffer;
}
