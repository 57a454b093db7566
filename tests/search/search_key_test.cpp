#include "search/search_key.h"

#include <gtest/gtest.h>

using search::MatchMode;
using search::SearchKey;

TEST(SearchKey, UpperCasesTrimsAndCuts)
{
    const std::tuple<std::string, std::size_t, std::string> cases[] = {
        {"ash", 45, "ASH"},
        {"  ash  ", 45, "ASH"},
        {"\xe9glise", 45, "\xc9GLISE"},
        {std::string(3, ' ') + std::string(50, 'x'), 45, std::string(45, 'X')}, // cut after trimming
        {std::string(30, 'k'), 25, std::string(25, 'K')},
        {"", 45, ""}};
    for (const auto& [text, cut, key] : cases)
        EXPECT_EQ(SearchKey(text, cut).view(), key) << text;
}

TEST(SearchKey, MatchModesOnStoredNamesAndCountyKeys)
{
    // The name as stored (any case, blanks or control characters around it), the text as typed.
    const std::tuple<const char*, const char*, MatchMode, bool> names[] = {
        {"Stanton", "st", MatchMode::Start, true},
        {"Aston", "st", MatchMode::Start, false},
        {"Aston", "st", MatchMode::Anywhere, true},
        {"St", "sta", MatchMode::Start, false},
        {"  Stanton   ", "st", MatchMode::Start, true}, // leading blanks are trimmed
        {"\tStanton", "st", MatchMode::Start, true}, // control characters too
        {"Ash   ", "ash  ", MatchMode::Start, true},
        {"Ash Ton", "h t", MatchMode::Anywhere, true}, // inner blanks count
        {"Ash  Ton", "h t", MatchMode::Anywhere, false},
        {"Anything", "", MatchMode::Start, true},
        {"Anything", "   ", MatchMode::Anywhere, false},
        {"\xe9glise", "\xc9GL", MatchMode::Start, true}};
    for (const auto& [name, text, mode, matches] : names)
        EXPECT_EQ(search::nameMatches(name, SearchKey(text, search::kNameKeyLength), mode), matches)
            << name << " / " << text;
    const std::tuple<const char*, const char*, bool> counties[] = {{"KEN", "ke", true},    {" KE", "ke", true},
                                                                   {"ken", " KEN ", true}, {"KEN", "", false},
                                                                   {"LEI", "ke", false},   {"KE", "KEN", false}};
    for (const auto& [stored, text, matches] : counties)
        EXPECT_EQ(search::countyMatches(stored, SearchKey(text, search::kCountyKeyLength)), matches)
            << stored << " / " << text;
}
