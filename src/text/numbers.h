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

// Leading blanks, then [+|-]digits or $hexdigits, nothing after, fitting 32 bits.
WholeReading readWhole(std::string_view s);

// The value readWhole gathered before it stopped: the signed value when the text
// reads wholly, else the digits read so far without the sign, 0 when none. Never fails.
std::int32_t leadingInteger(std::string_view s);

// Leading blanks, optional sign, digits with optional point and fraction,
// optional exponent; nothing after.
RealReading readReal(std::string_view s);

} // namespace text
