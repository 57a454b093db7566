#include "search/search_key.h"

#include <gtest/gtest.h>

#include <optional>

using search::MatchMode;
using search::SearchKey;

// Trimming and upper-casing alone are pinned by the match rows below.
TEST(SearchKey, CutsAfterTrimmingAndMatchesStoredNamesAndCountyKeys)
{
    const std::tuple<std::string, std::size_t, std::string> cases[] = {
        {std::string(3, ' ') + std::string(50, 'x'), 45, std::string(45, 'X')}, // cut after trimming
        {std::string(30, 'k'), 25, std::string(25, 'K')}};
    for (const auto& [text, cut, key] : cases)
        EXPECT_EQ(SearchKey(text, cut).view(), key) << text;
    // the name (or, with no mode, the county) as stored, the text as typed, the mode, whether it matches
    const std::tuple<const char*, const char*, std::optional<MatchMode>, bool> matchCases[] = {
        {"  Stanton   ", "st", MatchMode::Start, true}, // leading blanks are skipped
        {"\tStanton", "st", MatchMode::Start, true}, // control characters too
        {"Ash   ", "ash  ", MatchMode::Start, true}, // the text's outer blanks are trimmed
        {"Ash Ton", "h t", MatchMode::Anywhere, true}, // inner blanks count
        {"Ash  Ton", "h t", MatchMode::Anywhere, false},
        {"Anything", "   ", MatchMode::Anywhere, false}, // blanks only: an empty key matches none
        {"ken", " KEN ", {}, true},
        {"KE", "KEN", {}, false}};
    for (const auto& [stored, text, mode, matches] : matchCases)
        EXPECT_EQ(mode ? search::nameMatches(stored, SearchKey(text, search::kNameKeyLength), *mode)
                       : search::countyMatches(stored, SearchKey(text, search::kCountyKeyLength)),
                  matches)
            << stored << " / " << text;
}
