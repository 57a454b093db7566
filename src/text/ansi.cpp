#include "ansi.h"

#include <algorithm>

namespace text {

char ansiUpper(char ch)
{
    auto c = static_cast<unsigned char>(ch);
    if (c >= 'a' && c <= 'z')
        return static_cast<char>(c - 0x20);
    // Latin-1 lower-case letters, except the division sign and y-diaeresis.
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7)
        return static_cast<char>(c - 0x20);
    switch (c) {
    case 0x9A: return static_cast<char>(0x8A); // s caron
    case 0x9C: return static_cast<char>(0x8C); // oe
    case 0x9E: return static_cast<char>(0x8E); // z caron
    case 0xFF: return static_cast<char>(0x9F); // y diaeresis
    default: return ch;
    }
}

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

namespace {
bool isTrimmed(char c) { return static_cast<unsigned char>(c) <= 0x20; }
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
