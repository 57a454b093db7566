#pragma once
// Search keys: a text upper-cased by the ANSI rules, trimmed of blanks and
// control characters, and cut to a fixed length. Built in place, without
// allocating, because a scan builds one for every record of the file.
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

// Start: the name begins with the key (an empty key matches every name).
// Anywhere: the key occurs in the name (an empty key matches none).
bool nameMatches(std::string_view nameKey, std::string_view searchKey, MatchMode mode);

// The key occurs in the county; an empty key matches none.
bool countyMatches(std::string_view countyKey, std::string_view searchKey);

inline constexpr std::size_t kNameKeyLength = 45;
inline constexpr std::size_t kCountyKeyLength = 25;

} // namespace search
