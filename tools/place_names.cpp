#include "place_names.h"

#include "text/ansi.h"
#include "text/cp1252.h"

#include <sstream>

namespace tools {
namespace {

struct Fold {
    char32_t from;
    const char* to;
};

// Letters of Welsh that cp1252 lacks, written with their base letter.
constexpr Fold kBaseLetters[] = {
    {U'\u0174', "W"}, {U'\u0175', "w"}, {U'\u0176', "Y"}, {U'\u0177', "y"}, // circumflex
    {U'\u1E80', "W"}, {U'\u1E81', "w"}, {U'\u1E82', "W"}, {U'\u1E83', "w"}, // grave, acute
    {U'\u1E84', "W"}, {U'\u1E85', "w"}, {U'\u1EF2', "Y"}, {U'\u1EF3', "y"}, // diaeresis, grave
};
constexpr char32_t kApostrophes[] = {U'\u2018', U'\u2019'};

// The code point at s[pos] and its length in bytes; length 0 for malformed UTF-8.
std::pair<char32_t, std::size_t> decode(std::string_view s, std::size_t pos)
{
    auto byte = [&](std::size_t i) { return static_cast<unsigned char>(s[i]); };
    unsigned char b = byte(pos);
    std::size_t length = b < 0x80 ? 1 : (b >> 5) == 0x6 ? 2 : (b >> 4) == 0xE ? 3 : (b >> 3) == 0x1E ? 4 : 0;
    if (length == 0 || pos + length > s.size())
        return {0, 0};
    char32_t cp = length == 1 ? b : b & (0x7Fu >> length);
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(pos + i) & 0xC0) != 0x80)
            return {0, 0};
        cp = (cp << 6) | (byte(pos + i) & 0x3F);
    }
    return {cp, length};
}

// Control characters, and the five bytes cp1252 leaves undefined.
bool hasControl(std::string_view s)
{
    for (char ch : s) {
        auto c = static_cast<unsigned char>(ch);
        if (c < 0x20 || c == 0x7F || c == 0x81 || c == 0x8D || c == 0x8F || c == 0x90 || c == 0x9D)
            return true;
    }
    return false;
}

} // namespace

StoredName storedName(std::string_view utf8)
{
    StoredName out;
    std::string folded;
    for (std::size_t pos = 0; pos < utf8.size();) {
        auto [cp, length] = decode(utf8, pos);
        if (length == 0) {
            out.ok = false;
            return out;
        }
        std::string_view original = utf8.substr(pos, length);
        pos += length;
        bool replaced = false;
        for (const Fold& f : kBaseLetters)
            if (cp == f.from) {
                folded += f.to;
                out.baseLetters = replaced = true;
            }
        for (char32_t a : kApostrophes)
            if (cp == a) {
                folded += '\'';
                out.plainApostrophe = replaced = true;
            }
        if (!replaced)
            folded += original;
    }
    std::string cp1252 = text::utf8ToCp1252(folded);
    if (text::cp1252ToUtf8(cp1252) != folded || hasControl(cp1252)) { // a character became '?', or cannot be shown
        out.ok = false;
        return out;
    }
    out.text = std::string(text::trimBlanks(cp1252));
    return out;
}

std::string matchKey(std::string_view name)
{
    std::string plain;
    int depth = 0;
    for (char c : name) {
        if (c == '(')
            ++depth;
        else if (c == ')' && depth > 0)
            --depth;
        else if (depth > 0 || c == '\'' || c == '\x92')
            continue;
        else if (c == '.' || c == '-')
            plain += ' ';
        else
            plain += text::ansiUpper(c);
    }
    std::istringstream words(plain);
    std::string key, word;
    while (words >> word) {
        if (!key.empty())
            key += ' ';
        key += word == "SAINT" ? "ST" : word;
    }
    return key;
}

} // namespace tools
