#include "search_key.h"

#include "text/ansi.h"

#include <algorithm>

namespace search {

SearchKey::SearchKey(std::string_view text, std::size_t cut)
{
    std::string_view trimmed = text::trim(text);
    length_ = text::ansiUpperInto(trimmed, buffer_.data(), std::min(cut, kMaxLength));
}

bool nameMatches(std::string_view nameKey, std::string_view searchKey, MatchMode mode)
{
    if (mode == MatchMode::Start)
        return nameKey.substr(0, searchKey.size()) == searchKey;
    return !searchKey.empty() && nameKey.find(searchKey) != std::string_view::npos;
}

bool countyMatches(std::string_view countyKey, std::string_view searchKey)
{
    return !searchKey.empty() && countyKey.find(searchKey) != std::string_view::npos;
}

} // namespace search
