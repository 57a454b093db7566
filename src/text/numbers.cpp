#include "numbers.h"

#include <charconv>
#include <limits>
#include <string>

namespace text {
namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// The whole-number reading, also reporting the magnitude gathered before a stop.
struct WholeScan {
    WholeReading reading;
    std::int64_t gathered = 0;
};

WholeScan scanWhole(std::string_view s)
{
    WholeScan scan;
    std::size_t i = 0;
    while (i < s.size() && s[i] == ' ')
        ++i;
    auto fail = [&](std::size_t index) {
        scan.reading.ok = false;
        scan.reading.errorPos = static_cast<int>(index) + 1;
        return scan;
    };
    if (s.empty())
        return fail(0);
    constexpr std::int64_t kMax = std::numeric_limits<std::int32_t>::max();
    if (i < s.size() && s[i] == '$') {
        ++i;
        std::size_t first = i;
        for (; i < s.size(); ++i) {
            int h = hexDigitValue(s[i]);
            if (h < 0)
                return fail(i);
            std::int64_t next = scan.gathered * 16 + h;
            if (next > kMax)
                return fail(i);
            scan.gathered = next;
        }
        if (i == first)
            return fail(i);
        scan.reading = {true, static_cast<std::int32_t>(scan.gathered), 0};
        return scan;
    }
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        negative = s[i] == '-';
        ++i;
    }
    std::size_t first = i;
    for (; i < s.size(); ++i) {
        if (!isDigit(s[i]))
            return fail(i);
        std::int64_t next = scan.gathered * 10 + (s[i] - '0');
        if (next > kMax + (negative ? 1 : 0))
            return fail(i);
        scan.gathered = next;
    }
    if (i == first)
        return fail(i);
    scan.reading = {true, static_cast<std::int32_t>(negative ? -scan.gathered : scan.gathered), 0};
    return scan;
}

} // namespace

WholeReading readWhole(std::string_view s)
{
    return scanWhole(s).reading;
}

std::int32_t leadingInteger(std::string_view s)
{
    WholeScan scan = scanWhole(s);
    if (scan.reading.ok)
        return scan.reading.value;
    // A stop short of the end returns the magnitude gathered, which fits 32 bits.
    return static_cast<std::int32_t>(scan.gathered);
}

RealReading readRealInGeneral(std::string_view s)
{
    std::size_t i = 0;
    while (i < s.size() && s[i] == ' ')
        ++i;
    auto fail = [&](std::size_t index) { return RealReading{false, 0, static_cast<int>(index) + 1}; };
    if (s.empty())
        return fail(0);
    std::size_t start = i;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        ++i;
    std::size_t digits = 0;
    while (i < s.size() && isDigit(s[i])) {
        ++i;
        ++digits;
    }
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && isDigit(s[i])) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0)
        return fail(i);
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-'))
            ++i;
        std::size_t expDigits = 0;
        while (i < s.size() && isDigit(s[i])) {
            ++i;
            ++expDigits;
        }
        if (expDigits == 0)
            return fail(i);
    }
    if (i < s.size())
        return fail(i);
    // from_chars ignores the C locale (a desktop may set a decimal comma) and takes no '+'.
    std::string_view number = s.substr(start);
    if (number.front() == '+')
        number.remove_prefix(1);
    double value = 0;
    std::from_chars(number.data(), number.data() + number.size(), value);
    return RealReading{true, value, 0};
}

int hexDigitValue(char c)
{
    if (isDigit(c))
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

} // namespace text
