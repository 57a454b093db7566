#include "ansi.h"

#include <algorithm>
#include <array>

namespace text {

namespace {

constexpr unsigned char upperOf(unsigned char c)
{
    if (c >= 'a' && c <= 'z')
        return static_cast<unsigned char>(c - 0x20);
    // Latin-1 lower-case letters, except the division sign and y-diaeresis.
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7)
        return static_cast<unsigned char>(c - 0x20);
    switch (c) {
    case 0x9A: return 0x8A; // s caron
    case 0x9C: return 0x8C; // oe
    case 0x9E: return 0x8E; // z caron
    case 0xFF: return 0x9F; // y diaeresis
    default: return c;
    }
}

} // namespace

const std::array<unsigned char, 256> kAnsiUpper = [] {
    std::array<unsigned char, 256> table{};
    for (std::size_t c = 0; c < table.size(); ++c)
        table[c] = upperOf(static_cast<unsigned char>(c));
    return table;
}();

std::string ansiUpper(std::string_view s)
{
    std::string out(s);
    for (char& c : out)
        c = ansiUpper(c);
    return out;
}

std::size_t ansiUpperInto(std::string_view s, char* out, std::size_t capacity)
{
    std::size_t n = std::min(s.size(), capacity);
    for (std::size_t i = 0; i < n; ++i)
        out[i] = ansiUpper(s[i]);
    return n;
}

bool containsFolded(std::string_view text, std::string_view upperKey)
{
    if (upperKey.empty() || upperKey.size() > text.size())
        return false;
    const char first = upperKey.front();
    const std::string_view rest = upperKey.substr(1);
    const std::size_t last = text.size() - upperKey.size();
    for (std::size_t at = 0; at <= last; ++at)
        if (ansiUpper(text[at]) == first && startsFolded(text.substr(at + 1), rest))
            return true;
    return false;
}

namespace {
bool isTrimmed(char c)
{
    return static_cast<unsigned char>(c) <= 0x20;
}
} // namespace

std::string_view trim(std::string_view s)
{
    while (!s.empty() && isTrimmed(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && isTrimmed(s.back()))
        s.remove_suffix(1);
    return s;
}

std::string_view trimBlanks(std::string_view s)
{
    s = trimLeftBlanks(s);
    while (!s.empty() && s.back() == ' ')
        s.remove_suffix(1);
    return s;
}

std::string_view trimLeftBlanks(std::string_view s)
{
    while (!s.empty() && s.front() == ' ')
        s.remove_prefix(1);
    return s;
}

} // namespace text
