#include "search_key.h"

#include "text/ansi.h"

#include <algorithm>

namespace search {

SearchKey::SearchKey(std::string_view text, std::size_t cut)
{
    std::string_view trimmed = text::trim(text);
    length_ = text::ansiUpperInto(trimmed, buffer_.data(), std::min(cut, kMaxLength));
}

} // namespace search
