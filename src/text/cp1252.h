#pragma once
// Every stored text is Windows code page 1252 bytes; the screen and the
// driver's transcript speak UTF-8. These two functions are the only bridge.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace text {

std::string cp1252ToUtf8(std::string_view bytes);

// Characters that cp1252 lacks become '?'; malformed UTF-8 bytes too.
std::string utf8ToCp1252(std::string_view utf8);

// Appends the UTF-8 bytes of a character (any of Unicode's).
void appendUtf8(std::string& out, char32_t c);

// The cp1252 byte of a character, or nothing when cp1252 has none.
std::optional<char> toCp1252(char32_t c);

// The character whose UTF-8 sequence starts at s[i], moving i past it; nothing
// (i unmoved) for a malformed, overlong or surrogate sequence.
std::optional<char32_t> decodeUtf8(std::string_view s, std::size_t& i);

} // namespace text
