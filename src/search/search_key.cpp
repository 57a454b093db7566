#include "search_key.h"

#include "text/ansi.h"

#include <algorithm>

namespace search {

bool detail::occursFolded(std::string_view text, std::string_view key)
{
    if (key.empty())
        return false;
    for (std::size_t at = 0; at + key.size() <= text.size(); ++at)
        if (startsFolded(text.substr(at), key))
            return true;
    return false;
}

SearchKey::SearchKey(std::string_view text, std::size_t cut)
{
    std::string_view trimmed = text::trim(text);
    length_ = text::ansiUpperInto(trimmed, buffer_.data(), std::min(cut, kMaxLength));
}

} // namespace search
