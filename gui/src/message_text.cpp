#include "message_text.h"

namespace {

const char* const ellipsis = "...";

}  // namespace

std::string fitMessage(const FontAtlas& atlas, const std::string& text, int width)
{
    if (textWidth(atlas, text.c_str()) <= width)
        return text;
    const std::size_t lastSlash = text.rfind('/');
    if (lastSlash == std::string::npos)
        return text;
    // The path starts after the last space before its last '/'.
    const std::size_t space = text.rfind(' ', lastSlash);
    const std::size_t pathStart = space == std::string::npos ? 0 : space + 1;
    const std::string head = text.substr(0, pathStart);
    const std::string name = text.substr(lastSlash);  // "/name" and whatever follows the path
    std::string folders = text.substr(pathStart, lastSlash - pathStart);

    std::string shortest = head + ellipsis + name;
    while (!folders.empty()) {
        // Drop the leading folder, with its '/', and try again.
        const std::size_t next = folders.find('/', folders[0] == '/' ? 1 : 0);
        if (next == std::string::npos)
            break;
        folders.erase(0, next);
        const std::string candidate = head + ellipsis + folders + name;
        if (textWidth(atlas, candidate.c_str()) <= width)
            return candidate;
    }
    return shortest;
}
