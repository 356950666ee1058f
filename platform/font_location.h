// Where the overlay's font comes from. On Windows the font lives under the
// folder named by "windir", and where that has no Verdana (Wine, a trimmed
// system) the program's own copy of DejaVu Sans beside the executable is
// used; elsewhere fontconfig picks the closest match.
#pragma once

#include <string>
#include <vector>

// The font file shipped beside the Windows executable.
constexpr const char* shippedFontName = "DejaVuSans.ttf";

// The Windows form: the value of windir followed by "\Fonts\verdana.TTF",
// exactly as given (no separator added or removed).
std::string windowsFontPath(const char* windir);

#if !defined(_WIN32)
// fontconfig's best match for the family, as a file path; empty when
// fontconfig finds nothing.
std::string fontconfigMatch(const char* family);
#endif

struct FontChoice {
    std::string path;     // the first place that can be read; when none can, the first place
    std::string warning;  // empty unless no place can be read; then it names them all
};

// The first of the places whose file opens and is not empty.
FontChoice firstReadableFont(const std::vector<std::string>& places);

// The font path handed to the GUI context, in a heap buffer the caller
// releases with delete[]. On Windows: windir's Verdana, else the shipped
// font, with a warning on standard error only when neither can be read.
// Elsewhere: windir's Verdana when windir is set, fontconfig's match for
// "Verdana" otherwise. Never null; empty when no font can be found.
char* makeFontPath();
