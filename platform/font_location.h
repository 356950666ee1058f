// Where the overlay's font comes from. On Windows the font lives under the
// folder named by "windir"; elsewhere fontconfig picks the closest match.
#pragma once

#include <string>

// The Windows form: the value of windir followed by "\Fonts\verdana.TTF",
// exactly as given (no separator added or removed).
std::string windowsFontPath(const char* windir);

// fontconfig's best match for the family, as a file path; empty when
// fontconfig finds nothing.
std::string fontconfigMatch(const char* family);

// The font path handed to the GUI context, in a heap buffer the caller
// releases with delete[]. Uses windir when it is set, fontconfig's match for
// "Verdana" otherwise. Never null; empty when no font can be found.
char* makeFontPath();
