#include "platform/font_location.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "language/translation.h"
#if defined(_WIN32)
#include "platform/program_folder.h"
#else
#include <fontconfig/fontconfig.h>
#endif

std::string windowsFontPath(const char* windir)
{
    return std::string(windir) + "\\Fonts\\verdana.TTF";
}

#if !defined(_WIN32)
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
#endif

namespace {

// Opened the way FreeType opens it; a folder or an empty file gives no byte.
bool readable(const std::string& path)
{
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr)
        return false;
    const bool hasByte = std::fgetc(file) != EOF;
    std::fclose(file);
    return hasByte;
}

char* heapCopy(const std::string& text)
{
    char* buffer = new char[text.size() + 1];
    std::memcpy(buffer, text.c_str(), text.size() + 1);
    return buffer;
}

}  // namespace

FontChoice firstReadableFont(const std::vector<std::string>& places)
{
    FontChoice choice;
    for (const std::string& place : places)
        if (readable(place)) {
            choice.path = place;
            return choice;
        }
    if (places.empty()) {
        choice.warning = tr("Warning: no font could be read from anywhere; the panels are drawn without text");
        return choice;
    }
    choice.path = places.front();
    // TRANSLATORS: the last two of a list of font files: "a, b or c".
    const std::string list = listed(places, tr("%s or %s"));
    // TRANSLATORS: the font files tried follow "from".
    choice.warning = formatted(tr("Warning: no font could be read from %s; the panels are drawn without text"),
                               list.c_str());
    return choice;
}

char* makeFontPath()
{
    const char* windir = std::getenv("windir");
#if defined(_WIN32)
    std::vector<std::string> places;
    if (windir != nullptr)
        places.push_back(windowsFontPath(windir));
    const std::string folder = programFolder();
    if (!folder.empty())
        places.push_back(folder + "\\" + shippedFontName);
    const FontChoice choice = firstReadableFont(places);
    if (!choice.warning.empty())
        std::fprintf(stderr, "%s\n", choice.warning.c_str());
    return heapCopy(choice.path);
#else
    return heapCopy(windir != nullptr ? windowsFontPath(windir) : fontconfigMatch("Verdana"));
#endif
}
