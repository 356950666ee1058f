#include "message_text.h"

#include <algorithm>
#include <vector>

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

namespace {

struct Piece {
    std::string text;
    bool spaceBefore;  // a new word; otherwise the rest of a word broken across lines
};

// A word too wide for a line: its path shortened if that makes it fit;
// otherwise broken after each '/', and a part still too wide between
// characters (never inside a UTF-8 sequence), so nothing of it is lost.
void addWidePieces(const FontAtlas& atlas, const std::string& word, int width, std::vector<Piece>& pieces)
{
    const std::string shortened = fitMessage(atlas, word, width);
    if (textWidth(atlas, shortened.c_str()) <= width) {
        pieces.push_back({shortened, true});
        return;
    }
    bool first = true;
    std::string part;
    auto flush = [&]() {
        if (!part.empty())
            pieces.push_back({part, first});
        first = false;
        part.clear();
    };
    for (std::size_t i = 0; i < word.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(word[i]);
        const bool continuation = (c & 0xC0) == 0x80;
        if (!continuation && !part.empty() && textWidth(atlas, (part + word[i]).c_str()) > width)
            flush();
        part += word[i];
        if (word[i] == '/')
            flush();
    }
    flush();
}

}  // namespace

std::string wrapMessage(const FontAtlas& atlas, const std::string& text, int width, int maxLines)
{
    if (maxLines < 1)
        maxLines = 1;
    auto fits = [&](const std::string& line) { return textWidth(atlas, line.c_str()) <= width; };
    std::vector<Piece> pieces;
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t start = text.find_first_not_of(" \n", at);
        if (start == std::string::npos)
            break;
        const std::size_t end = std::min(text.find_first_of(" \n", start), text.size());
        const std::string word = text.substr(start, end - start);
        if (fits(word))
            pieces.push_back({word, true});
        else
            addWidePieces(atlas, word, width, pieces);
        at = end;
    }
    std::vector<std::string> lines;
    bool cut = false;
    for (const Piece& piece : pieces) {
        if (!lines.empty()) {
            const std::string joined = lines.back() + (piece.spaceBefore ? " " : "") + piece.text;
            if (fits(joined)) {
                lines.back() = joined;
                continue;
            }
        }
        if (static_cast<int>(lines.size()) == maxLines) {
            cut = true;
            break;
        }
        lines.push_back(piece.text);
    }
    if (cut) {
        // Whole words only, then the ellipsis.
        std::string& last = lines.back();
        while (!fits(last + ellipsis)) {
            const std::size_t space = last.rfind(' ');
            if (space == std::string::npos)
                break;
            last.erase(space);
        }
        last += ellipsis;
    }
    std::string joined;
    for (const std::string& line : lines) {
        if (!joined.empty())
            joined += '\n';
        joined += line;
    }
    return joined;
}
