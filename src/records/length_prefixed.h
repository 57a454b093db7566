#pragma once
// A length-prefixed text field of capacity n: one length byte, then n
// character bytes of which only the first `length` are the text. The parish
// record and the map sheet record are both made of such fields.
#include <cstddef>
#include <cstring>
#include <string_view>

namespace records {

// The field's text; a length byte beyond the capacity reads as the capacity,
// so a damaged length never reads into the next field.
inline std::string_view readLengthPrefixed(const char* field, std::size_t capacity)
{
    std::size_t length = static_cast<unsigned char>(field[0]);
    return {field + 1, length < capacity ? length : capacity};
}

// Stores the text cut to the capacity and zeroes the rest of the field.
inline void writeLengthPrefixed(char* field, std::size_t capacity, std::string_view text)
{
    std::size_t length = text.size() < capacity ? text.size() : capacity;
    field[0] = static_cast<char>(length);
    std::memset(field + 1, 0, capacity);
    if (length > 0)
        std::memcpy(field + 1, text.data(), length);
}

} // namespace records
