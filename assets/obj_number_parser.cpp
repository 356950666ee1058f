#include "assets/obj_number_parser.h"

#include <cerrno>
#include <charconv>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <system_error>

namespace {

// White space as scanf skips it in the C locale.
bool isScanfSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

const char* parseWithScanf(const char* text, float& value)
{
    float parsed = 0.0f;
    int consumed = 0;
    if (std::sscanf(text, "%f%n", &parsed, &consumed) != 1)
        return nullptr;
    value = parsed;
    return text + consumed;
}

}  // namespace

const char* parseObjFloat(const char* text, float& value)
{
    // The fast path takes only [-]digits[.digits][e[sign]digits] followed by
    // white space or the end of the text: there scanf stops at the same place
    // and, like from_chars, rounds correctly. Everything else (a leading '+',
    // hex, inf and nan, an exponent without digits, a number glued to other
    // characters, values out of range) goes to scanf itself.
    const char* p = text;
    while (isScanfSpace(*p))
        ++p;
    const char* start = p;
    if (*p == '-')
        ++p;
    const char* digits = p;
    while (isDigit(*p))
        ++p;
    bool haveDigits = p != digits;
    if (*p == '.') {
        const char* fraction = ++p;
        while (isDigit(*p))
            ++p;
        haveDigits = haveDigits || p != fraction;
    }
    if (!haveDigits)
        return parseWithScanf(text, value);
    if (*p == 'e' || *p == 'E') {
        const char* exponent = p + 1;
        if (*exponent == '+' || *exponent == '-')
            ++exponent;
        if (!isDigit(*exponent))
            return parseWithScanf(text, value);
        while (isDigit(*exponent))
            ++exponent;
        p = exponent;
    }
    if (*p != '\0' && !isScanfSpace(*p))
        return parseWithScanf(text, value);

    float parsed = 0.0f;
    const auto [end, error] = std::from_chars(start, p, parsed);
    if (error != std::errc() || end != p)
        return parseWithScanf(text, value);
    value = parsed;
    return p;
}

int readObjFloats(const char* text, float* values, int count)
{
    for (int i = 0; i < count; ++i) {
        const char* next = parseObjFloat(text, values[i]);
        if (next == nullptr)
            return i;
        text = next;
    }
    return count;
}

bool parseObjIndex(const char* text, long& value)
{
    // Up to nine digits with no sign or white space before them cannot
    // overflow an int; that is every index of a real file.
    long digits = 0;
    int count = 0;
    while (count < 10 && isDigit(text[count])) {
        digits = digits * 10 + (text[count] - '0');
        ++count;
    }
    if (count > 0 && count < 10) {
        value = digits;
        return true;
    }
    char* end = nullptr;
    errno = 0;
    value = std::strtol(text, &end, 10);
    return end != text && errno == 0 && value >= INT_MIN && value <= INT_MAX;
}
