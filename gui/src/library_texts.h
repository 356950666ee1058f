// The library's own texts, each put through the host's translator.
#pragma once

#include <string>

// `english` in the user's language (itself without a translator).
const char* orlinText(const char* english);
// The same for a text that needs a context to be translated.
const char* orlinTextIn(const char* context, const char* english);
// A figure printed with '.' as the decimal point, with the user's decimal
// separator instead.
std::string withDecimalSeparator(const char* figure);
