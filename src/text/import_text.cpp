// SPDX-License-Identifier: GPL-3.0-or-later
#include "import_text.h"

#include "cp1252.h"

#include <algorithm>

namespace text {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool isUtf8(std::string_view s)
{
    for (std::size_t i = 0; i < s.size();)
        if (!decodeUtf8(s, i))
            return false;
    return true;
}

// The 1-based line of position pos; lines end at LF, CR LF or CR, as the
// import reads them.
int lineAt(std::string_view s, std::size_t pos)
{
    int line = 1;
    for (std::size_t i = 0; i < pos; ++i)
        if (s[i] == '\n' || (s[i] == '\r' && (i + 1 >= s.size() || s[i + 1] != '\n')))
            ++line;
    return line;
}

} // namespace

ImportText importTextAsCp1252(std::string bytes)
{
    const bool ascii =
        std::all_of(bytes.begin(), bytes.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    if (ascii || !isUtf8(bytes))
        return {std::move(bytes)};
    const std::string_view whole = bytes;
    std::string_view s = whole.starts_with(kByteOrderMark) ? whole.substr(kByteOrderMark.size()) : whole;
    ImportText out;
    out.cp1252.reserve(s.size());
    for (std::size_t i = 0; i < s.size();) {
        const std::size_t at = i;
        const char32_t c = *decodeUtf8(s, i);
        const std::optional<char> b = toCp1252(c);
        if (!b)
            return {std::string(), lineAt(s, at), c};
        out.cp1252 += *b;
    }
    return out;
}

} // namespace text
