#include "language/mo_catalogue.h"

#include <cstdint>

namespace {

// The layout of a .mo file: GNU gettext manual, section "The Format of
// GNU MO Files". A 28-byte header of 32-bit words (magic 0x950412de in the
// file's byte order, revision, count, offsets of the original and
// translation tables); each table entry is a length and an offset.
constexpr std::uint32_t moMagic = 0x950412deU;

struct Reader {
    const unsigned char* data;
    std::size_t size;
    bool swapped;

    bool word(std::size_t at, std::uint32_t& value) const
    {
        if (at > size || size - at < 4)
            return false;
        const unsigned char* p = data + at;
        value = swapped ? (std::uint32_t{p[0]} << 24) | (std::uint32_t{p[1]} << 16) | (std::uint32_t{p[2]} << 8) | p[3]
                        : (std::uint32_t{p[3]} << 24) | (std::uint32_t{p[2]} << 16) | (std::uint32_t{p[1]} << 8) | p[0];
        return true;
    }

    // The string a table entry points at, which the file ends with a zero.
    bool string(std::size_t table, std::uint32_t index, std::string& text) const
    {
        std::uint32_t length = 0;
        std::uint32_t offset = 0;
        const std::size_t entry = table + std::size_t{index} * 8;
        if (!word(entry, length) || !word(entry + 4, offset))
            return false;
        if (offset > size || size - offset <= length || data[offset + length] != '\0')
            return false;
        text.assign(reinterpret_cast<const char*>(data) + offset, length);
        return true;
    }
};

std::string headerField(const std::string& header, const std::string& name)
{
    std::size_t start = 0;
    while (start < header.size()) {
        const std::size_t end = header.find('\n', start);
        const std::string line = header.substr(start, end == std::string::npos ? std::string::npos : end - start);
        if (line.compare(0, name.size() + 1, name + ":") == 0)
            return line.substr(name.size() + 1);
        if (end == std::string::npos)
            break;
        start = end + 1;
    }
    return "";
}

}  // namespace

bool readMoCatalogue(const unsigned char* data, std::size_t size, MoCatalogue& catalogue, std::string& error)
{
    catalogue = MoCatalogue{};
    if (data == nullptr || size < 28) {
        error = "too short for a catalogue";
        return false;
    }
    Reader reader{data, size, false};
    std::uint32_t magic = 0;
    reader.word(0, magic);
    if (magic != moMagic) {
        reader.swapped = true;
        reader.word(0, magic);
        if (magic != moMagic) {
            error = "not a compiled catalogue";
            return false;
        }
    }
    std::uint32_t revision = 0;
    std::uint32_t count = 0;
    std::uint32_t originals = 0;
    std::uint32_t translations = 0;
    reader.word(4, revision);
    reader.word(8, count);
    reader.word(12, originals);
    reader.word(16, translations);
    // Every table entry is 8 bytes inside the data, so neither the count nor
    // an offset can reach beyond it (nor wrap around where size_t is 32 bits).
    if (count > size / 16 || originals >= size || translations >= size) {
        error = "its message tables lie outside the catalogue";
        return false;
    }
    if ((revision >> 16) > 1) {
        error = "a catalogue revision this program does not know";
        return false;
    }
    for (std::uint32_t i = 0; i < count; ++i) {
        std::string original;
        std::string translation;
        if (!reader.string(originals, i, original) || !reader.string(translations, i, translation)) {
            error = "message " + std::to_string(i) + " lies outside the catalogue";
            catalogue = MoCatalogue{};
            return false;
        }
        if (original.empty()) {
            bool ok = false;
            const std::string rule = headerField(translation, "Plural-Forms");
            if (!rule.empty())
                catalogue.plural = parsePluralRule(rule, ok);
            continue;
        }
        // A plural message is keyed by its singular: the original holds
        // "singular\0plural".
        const std::size_t zero = original.find('\0');
        if (zero != std::string::npos)
            original.resize(zero);
        if (!translation.empty())
            catalogue.messages[original] = translation;
    }
    return true;
}
