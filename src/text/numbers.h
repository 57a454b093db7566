#pragma once
// The three ways the program reads numbers from texts typed or stored.
#include <cstdint>
#include <string_view>

namespace text {

// When ok is false, errorPos is the 1-based position of the first character
// that does not fit (1 for an empty text, length + 1 when the text ends early).
struct WholeReading {
    bool ok = false;
    std::int32_t value = 0;
    int errorPos = 0;
};

struct RealReading {
    bool ok = false;
    double value = 0;
    int errorPos = 0;
};

// The value of a hexadecimal digit, or -1 for any other character.
int hexDigitValue(char c);

// Leading blanks, then [+|-]digits or $hexdigits, nothing after, fitting 32 bits.
WholeReading readWhole(std::string_view s);

// A whole number as a grid position: read wholly, but not a hexadecimal "$"
// form, which no later reading of positions accepts.
inline bool isGridNumber(std::string_view s)
{
    return readWhole(s).ok && s.find('$') == std::string_view::npos;
}

// The value readWhole gathered before it stopped: the signed value when the text
// reads wholly, else the digits read so far without the sign, 0 when none. Never fails.
std::int32_t leadingInteger(std::string_view s);

// Leading blanks, optional sign, digits with optional point and fraction,
// optional exponent; nothing after.
RealReading readRealInGeneral(std::string_view s);

// The same reading. Stored eastings and northings are plain whole numbers
// after blanks: those are read here at once, because a scan reads two for
// every record of the file.
inline RealReading readReal(std::string_view s)
{
    std::size_t i = 0;
    while (i < s.size() && s[i] == ' ')
        ++i;
    std::size_t first = i;
    std::int64_t whole = 0;
    while (i < s.size() && s[i] >= '0' && s[i] <= '9' && i - first < 15)
        whole = whole * 10 + (s[i++] - '0');
    if (i == s.size() && i > first)
        return RealReading{true, static_cast<double>(whole), 0};
    return readRealInGeneral(s);
}

} // namespace text
