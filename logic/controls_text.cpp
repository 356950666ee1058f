#include "logic/controls_text.h"

#include <algorithm>

#include "logic/controls.h"

namespace {

constexpr std::size_t keyColumn = 20;

// Characters in UTF-8 `text`: printf's %-20s would count bytes, which puts
// the column out of line after a letter such as "ö".
std::size_t characterCount(const char* text)
{
    std::size_t characters = 0;
    for (const char* p = text; *p != '\0'; ++p)
        if ((static_cast<unsigned char>(*p) & 0xC0) != 0x80)
            ++characters;
    return characters;
}

}  // namespace

std::string controlsListing(const char* (*translate)(const char*))
{
    const auto tr = [translate](const char* text) { return translate != nullptr ? translate(text) : text; };
    std::size_t column = keyColumn;
    for (const Control& control : controls)
        column = std::max(column, characterCount(tr(control.keys)) + 1);
    std::string text;
    for (const Control& control : controls) {
        const char* keys = tr(control.keys);
        text += "  ";
        text += keys;
        text.append(column - characterCount(keys), ' ');
        text += ' ';
        text += tr(control.action);
        text += '\n';
    }
    return text;
}
