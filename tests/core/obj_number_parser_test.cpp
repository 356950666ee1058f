#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "assets/mesh.h"
#include "assets/obj_number_parser.h"
#include "program_runner.h"

namespace {

std::uint32_t bitsOf(float value)
{
    std::uint32_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

std::string escaped(const std::string& text)
{
    std::string out;
    for (unsigned char c : text) {
        if (c >= 0x20 && c < 0x7f && c != '\\') {
            out += static_cast<char>(c);
        } else {
            char code[8];
            std::snprintf(code, sizeof code, "\\x%02x", c);
            out += code;
        }
    }
    return out;
}

// Empty when parseObjFloat agrees with "%f" on text: same success, same bits,
// same number of characters consumed; otherwise what differs.
std::string compareSingle(const std::string& text)
{
    const float sentinel = -12345.5f;
    float expected = sentinel;
    int consumed = -1;
    const bool scanfParsed = std::sscanf(text.c_str(), "%f%n", &expected, &consumed) == 1;

    float actual = sentinel;
    const char* end = parseObjFloat(text.c_str(), actual);
    const bool ourParsed = end != nullptr;

    char report[256];
    if (scanfParsed != ourParsed) {
        std::snprintf(report, sizeof report, "parsed: scanf %d, ours %d", scanfParsed, ourParsed);
        return "\"" + escaped(text) + "\": " + report;
    }
    if (!ourParsed) {
        if (bitsOf(actual) != bitsOf(sentinel))
            return "\"" + escaped(text) + "\": value changed on failure";
        return "";
    }
    const long ourConsumed = end - text.c_str();
    if (bitsOf(actual) != bitsOf(expected) || ourConsumed != consumed) {
        std::snprintf(report, sizeof report, "scanf %a (%08x) after %d chars, ours %a (%08x) after %ld chars",
                      static_cast<double>(expected), bitsOf(expected), consumed, static_cast<double>(actual),
                      bitsOf(actual), ourConsumed);
        return "\"" + escaped(text) + "\": " + report;
    }
    return "";
}

// Empty when readObjFloats agrees with "%f %f %f" on line, holding values included.
std::string compareTriple(const std::string& line)
{
    float expected[3] = {-1.5f, -2.5f, -3.5f};
    float actual[3] = {-1.5f, -2.5f, -3.5f};
    int expectedCount = std::sscanf(line.c_str(), "%f %f %f", &expected[0], &expected[1], &expected[2]);
    if (expectedCount < 0)
        expectedCount = 0;
    const int actualCount = readObjFloats(line.c_str(), actual, 3);
    bool same = expectedCount == actualCount;
    for (int i = 0; i < 3; ++i)
        same = same && bitsOf(expected[i]) == bitsOf(actual[i]);
    if (same)
        return "";
    char report[256];
    std::snprintf(report, sizeof report, "scanf %d (%a %a %a), ours %d (%a %a %a)", expectedCount,
                  static_cast<double>(expected[0]), static_cast<double>(expected[1]),
                  static_cast<double>(expected[2]), actualCount, static_cast<double>(actual[0]),
                  static_cast<double>(actual[1]), static_cast<double>(actual[2]));
    return "\"" + escaped(line) + "\": " + report;
}

// Builds number texts from random parts: white space, signs, digit runs of
// every length, decimal points, exponents with and without digits, and
// suffixes that scanf may or may not take as part of the number.
class NumberTextSource {
public:
    explicit NumberTextSource(std::uint64_t seed) : random(seed) {}

    std::string next()
    {
        switch (pick(10)) {
        case 0: return special();
        case 1: return printedFloat();
        case 2: return halfwayBetweenFloats();
        default: return composed();
        }
    }

private:
    std::mt19937_64 random;

    unsigned pick(unsigned count) { return static_cast<unsigned>(random() % count); }

    std::string digits(unsigned count)
    {
        std::string out;
        for (unsigned i = 0; i < count; ++i)
            out += static_cast<char>('0' + pick(10));
        return out;
    }

    std::string whitespace()
    {
        static const char spaces[] = " \t\n\v\f\r";
        std::string out;
        for (unsigned n = pick(4) == 0 ? pick(4) : 0; n > 0; --n)
            out += spaces[pick(6)];
        return out;
    }

    unsigned digitCount()
    {
        switch (pick(8)) {
        case 0: return 0;
        case 1: return 20 + pick(60);   // more digits than any float holds
        case 2: return 100 + pick(300); // as long as a line allows
        default: return 1 + pick(8);
        }
    }

    std::string composed()
    {
        std::string out = whitespace();
        switch (pick(10)) {
        case 0: out += '+'; break;
        case 1: case 2: case 3: out += '-'; break;
        default: break;
        }
        if (pick(6) == 0)
            out += std::string(pick(40), '0');  // leading zeros
        out += digits(digitCount());
        if (pick(3) != 0) {
            out += '.';
            if (pick(5) == 0)
                out += std::string(pick(50), '0');  // tiny values
            out += digits(digitCount());
        }
        if (pick(3) == 0) {
            out += pick(2) == 0 ? 'e' : 'E';
            switch (pick(4)) {
            case 0: out += '-'; break;
            case 1: out += '+'; break;
            default: break;
            }
            switch (pick(6)) {
            case 0: break;                                  // "1e", "1e-"
            case 1: out += std::to_string(30 + pick(20)); break;  // near float's limits
            case 2: out += digits(5 + pick(20)); break;     // far out of range
            default: out += std::to_string(pick(40)); break;
            }
        }
        out += suffix();
        return out;
    }

    std::string suffix()
    {
        static const char* const suffixes[] = {
            "", "", "", "", " ", "\n", "\r\n", " 1", "\t-2.5", "x", "/", ".", "..5", "e", "E+", "-", "+", "abc",
            ",", "f", "#", "0x", "\x80", "e5e5", ".5", "-3", "nan", "inf", "_", "\xff",
        };
        return suffixes[pick(sizeof suffixes / sizeof *suffixes)];
    }

    std::string special()
    {
        static const char* const texts[] = {
            "", " ", "\t\n", ".", "-", "+", "-.", "+.", "-.5", "+.5", ".5", "5.", "-5.", "1e", "1e+", "1e-",
            "1E", ".e5", "-e5", "e5", "1.e5", "-0", "0", "-0.0", "+0", "00000", "nan", "NaN", "-nan", "nan(123)",
            "nanx", "inf", "-inf", "+inf", "INF", "infinity", "-Infinity", "infinit", "in", "0x", "0x1p3",
            "-0X1.8P-1", "0x.8", "0x1.fffffep127", "0x1p-149", "0xg", "1.4e-45", "7e-46", "7.1e-46", "1e-46",
            "1e-45", "1.17549435e-38", "1.1754942e-38", "3.4028235e38", "3.4028236e38", "3.40282357e38",
            "3.4028234e38", "1e39", "-1e39", "1e-39", "-1e-400", "1e400", "0e99999999999", "1e-99999999999",
            "123456789012345678901234567890", "0.1", "0.2", "0.3", "1.000000059604644775390625",
            "1.00000005960464477539062", "1.000000059604644775390626", "16777217", "16777216.5", "33554431",
            "2.5 3.5", "1,5", "1.5.3", "--1", "-+1", "1-2", "1e1.5", "12a", "\v7", "\f8", "\r9",
        };
        return texts[pick(sizeof texts / sizeof *texts)];
    }

    // A float of random bits (denormals and all), printed the way OBJ writers do.
    std::string printedFloat()
    {
        std::uint32_t bits = static_cast<std::uint32_t>(random());
        float value = 0.0f;
        std::memcpy(&value, &bits, sizeof value);
        if (std::isnan(value))
            value = 1.0f;
        char text[512];
        switch (pick(4)) {
        case 0: std::snprintf(text, sizeof text, "%f", static_cast<double>(value)); break;
        case 1: std::snprintf(text, sizeof text, "%.9g", static_cast<double>(value)); break;
        case 2: std::snprintf(text, sizeof text, "%.6e", static_cast<double>(value)); break;
        default: std::snprintf(text, sizeof text, "%.3f", static_cast<double>(value) * 1e-30); break;
        }
        return text;
    }

    // The exact decimal midpoint of two neighbouring floats, and its
    // neighbours one unit in the last printed digit away: round-to-even
    // and the decision just beside it.
    std::string halfwayBetweenFloats()
    {
        std::uint32_t bits = static_cast<std::uint32_t>(random()) & 0x7f7fffffu;
        float low = 0.0f;
        std::memcpy(&low, &bits, sizeof low);
        const float high = std::nextafter(low, std::numeric_limits<float>::infinity());
        const double middle = (static_cast<double>(low) + static_cast<double>(high)) / 2.0;
        char text[512];
        std::snprintf(text, sizeof text, "%.*e", 20 + static_cast<int>(pick(100)), middle);
        std::string out = text;
        if (pick(3) == 0) {
            const std::size_t e = out.find('e');
            char& last = out[e - 1];
            if (pick(2) == 0 && last < '9')
                ++last;
            else if (last > '0')
                --last;
        }
        return out;
    }
};

TEST(ObjNumberParserTest, AgreesWithScanfOnNamedEdgeCases)
{
    const char* const texts[] = {
        "", "   ", ".", "-", "+", "-.5", "+5", "1e", "1e+ 2", "1E-", "nan", "-inf", "infinity", "0x1A",
        "0x", "1.5.3", "1-2", "1e5x", "1.4e-45", "7e-46", "3.4028236e38", "1e39", "1e-50",
        "0.000000000000000000000000000000000000000000001401298464324817070923729583289916131280",
        "16777217", "-0", "\v1", "1,2", "12abc", "  -3.25  ",
    };
    for (const char* text : texts)
        EXPECT_EQ(compareSingle(text), "");
}

TEST(ObjNumberParserTest, AgreesWithScanfOnRandomNumberTexts)
{
    NumberTextSource source(20240611);
    std::vector<std::string> mismatches;
    for (int i = 0; i < 300000 && mismatches.size() < 10; ++i) {
        std::string problem = compareSingle(source.next());
        if (!problem.empty())
            mismatches.push_back(problem);
    }
    for (const std::string& problem : mismatches)
        ADD_FAILURE() << problem;
}

TEST(ObjNumberParserTest, ReadsLinesLikeScanfWithHoldingValues)
{
    // Whole "v" line bodies: three random texts with random separators, so a
    // failure in any position must stop the reading and keep what it held.
    NumberTextSource source(7);
    std::mt19937_64 random(11);
    static const char* const separators[] = {" ", "  ", "\t", "", " \r ", "/"};
    std::vector<std::string> mismatches;
    for (int i = 0; i < 100000 && mismatches.size() < 10; ++i) {
        std::string line = source.next();
        for (int k = 0; k < 2 + static_cast<int>(random() % 2); ++k)
            line += separators[random() % 6] + source.next();
        if (random() % 2 == 0)
            line += "\n";
        std::string problem = compareTriple(line);
        if (!problem.empty())
            mismatches.push_back(problem);
    }
    for (const std::string& problem : mismatches)
        ADD_FAILURE() << problem;
}

TEST(ObjNumberParserTest, StopsAtTheFirstNumberThatDoesNotParse)
{
    float values[3] = {7.0f, 8.0f, 9.0f};
    EXPECT_EQ(readObjFloats(" 1.5 x 3", values, 3), 1);
    EXPECT_EQ(values[0], 1.5f);
    EXPECT_EQ(values[1], 8.0f);
    EXPECT_EQ(values[2], 9.0f);

    EXPECT_EQ(readObjFloats("", values, 3), 0);
    EXPECT_EQ(values[0], 1.5f);

    // "%f" takes "1e" whole, so the next number starts after the 'e'.
    EXPECT_EQ(readObjFloats("1e 2 3", values, 3), 3);
    EXPECT_EQ(values[0], 1.0f);
    EXPECT_EQ(values[1], 2.0f);
    EXPECT_EQ(values[2], 3.0f);
}

TEST(ObjNumberParserTest, ReadsIndicesLikeScanfDecimal)
{
    // Corner fields as the face reader cuts them out: random digit runs of
    // every length (int's limits included) with signs, white space, leading
    // zeros and junk after them.
    std::mt19937_64 random(3);
    auto pick = [&](unsigned count) { return static_cast<unsigned>(random() % count); };
    static const char* const fixed[] = {"", "-", "+", " ", "x", "0", "00", "1", "-1", "+1", " 7", "\t7", "7 ",
                                        "12abc", "2147483647", "2147483648", "-2147483648", "-2147483649",
                                        "999999999", "1000000000", "0000000000001", "99999999999999999999"};
    std::vector<std::string> texts(std::begin(fixed), std::end(fixed));
    for (int i = 0; i < 200000; ++i) {
        std::string text;
        switch (pick(8)) {
        case 0: text += ' '; break;
        case 1: text += '-'; break;
        case 2: text += '+'; break;
        default: break;
        }
        for (unsigned n = pick(4) == 0 ? pick(21) : 1 + pick(7); n > 0; --n)
            text += static_cast<char>('0' + pick(10));
        static const char* const tails[] = {"", "", "", "x", "/", " 5", "-", ".5"};
        text += tails[pick(8)];
        texts.push_back(text);
    }
    for (const std::string& text : texts) {
        char* end = nullptr;
        errno = 0;
        const long expected = std::strtol(text.c_str(), &end, 10);
        const bool expectedOk = end != text.c_str() && errno == 0 && expected >= INT_MIN && expected <= INT_MAX;
        long actual = -99;
        const bool actualOk = parseObjIndex(text.c_str(), actual);
        ASSERT_EQ(actualOk, expectedOk) << "\"" << escaped(text) << "\"";
        if (!expectedOk)
            continue;
        ASSERT_EQ(actual, expected) << "\"" << escaped(text) << "\"";
        int scanned = 0;
        ASSERT_EQ(std::sscanf(text.c_str(), "%d", &scanned), 1);
        ASSERT_EQ(actual, scanned) << "\"" << escaped(text) << "\"";
    }
}

// The loader reads its numbers through the parser: a number that does not
// parse keeps the holding value an earlier line of the same directive gave.
TEST(ObjNumberParserTest, MeshKeepsHoldingValuesThroughTheParser)
{
    const std::string dir = makeTempDir();
    ASSERT_FALSE(dir.empty());
    const std::string path = dir + "/holding.obj";
    std::FILE* file = std::fopen(path.c_str(), "w");
    ASSERT_NE(file, nullptr);
    std::fputs("v 1.5 2.5 3.5\n"
               "v 4.25 oops 9\n"
               "v -0.1 1e 7\n"
               "vn 0 1 0\n"
               "vt 0.25 0.75 0\n"
               "vt 0.125 +0x1p-1\n"
               "f 1/1/1 2/1/1 3/2/1\n",
               file);
    std::fclose(file);

    Mesh* mesh = new Mesh(path);
    removeTree(dir);
    ASSERT_EQ(mesh->vertexCount, 3);
    const float positions[9] = {1.5f, 2.5f, 3.5f, 4.25f, 2.5f, 3.5f, -0.1f, 1.0f, 7.0f};
    for (int i = 0; i < 9; ++i)
        EXPECT_EQ(bitsOf(mesh->positions[i]), bitsOf(positions[i])) << "component " << i;
    EXPECT_EQ(mesh->texCoords[4], 0.125f);
    EXPECT_EQ(mesh->texCoords[5], 0.5f);
    releaseMesh(mesh);
}

}  // namespace
