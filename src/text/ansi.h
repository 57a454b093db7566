#pragma once
// Windows ANSI (cp1252) text rules: upper-casing that folds accented letters,
// and trimming of blanks and control characters.
#include <array>
#include <string>
#include <string_view>

namespace text {

// The upper-case byte of every byte; a table, because the searches fold every
// character they compare.
extern const std::array<unsigned char, 256> kAnsiUpper;

inline char ansiUpper(char c)
{
    return static_cast<char>(kAnsiUpper[static_cast<unsigned char>(c)]);
}
std::string ansiUpper(std::string_view s);

// Whether text, folded to upper case, begins with / contains upperKey (which is
// upper case already). Nothing is copied: the scans call these for every record.
inline bool startsFolded(std::string_view text, std::string_view upperKey)
{
    if (upperKey.size() > text.size())
        return false;
    for (std::size_t i = 0; i < upperKey.size(); ++i)
        if (ansiUpper(text[i]) != upperKey[i])
            return false;
    return true;
}
// An empty key is contained nowhere.
bool containsFolded(std::string_view text, std::string_view upperKey);
// Upper-cases in place into a caller's buffer (no allocation); returns the length written.
std::size_t ansiUpperInto(std::string_view s, char* out, std::size_t capacity);

// Removes leading and trailing bytes at or below the blank (blanks and control characters).
std::string_view trim(std::string_view s);
// Removes leading and trailing blanks only.
std::string_view trimBlanks(std::string_view s);
std::string_view trimLeftBlanks(std::string_view s);

} // namespace text
