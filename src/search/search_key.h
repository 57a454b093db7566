#pragma once
// Search keys: a text upper-cased by the ANSI rules, trimmed of blanks and
// control characters, and cut to a fixed length.
//
// A record's name is matched against the key as if it had been made a key
// the same way, but without building one: a trimmed key begins and ends with
// a character that trimming keeps, so it can only match where the name's own
// text is, never in its leading or trailing blanks. Only the start of a name
// needs its leading blanks skipped. No record field is longer than a key, so
// cutting the name changes nothing either. A scan therefore folds the case of
// the few characters it compares and allocates nothing.
#include "text/ansi.h"

#include <array>
#include <cstddef>
#include <string_view>

namespace search {

class SearchKey {
public:
    static constexpr std::size_t kMaxLength = 45;

    SearchKey(std::string_view text, std::size_t cut);
    std::string_view view() const { return {buffer_.data(), length_}; }

private:
    std::array<char, kMaxLength> buffer_;
    std::size_t length_;
};

enum class MatchMode { Start, Anywhere };

inline constexpr std::size_t kNameKeyLength = 45;
inline constexpr std::size_t kCountyKeyLength = 25;

// Start: the name (trimmed, upper-cased) begins with the key; an empty key
// matches every name. Anywhere: the key occurs in the name; an empty key matches none.
inline bool nameMatches(std::string_view name, const SearchKey& key, MatchMode mode)
{
    if (mode == MatchMode::Anywhere)
        return text::containsFolded(name, key.view());
    std::size_t start = 0;
    while (start < name.size() && static_cast<unsigned char>(name[start]) <= 0x20)
        ++start;
    return text::startsFolded(name.substr(start), key.view());
}

// The key occurs in the county (trimmed, upper-cased); an empty key matches none.
inline bool countyMatches(std::string_view county, const SearchKey& key)
{
    return text::containsFolded(county, key.view());
}

} // namespace search
