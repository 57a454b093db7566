#include "search/search_key.h"

#include <gtest/gtest.h>

using search::MatchMode;
using search::SearchKey;

TEST(SearchKey, UpperCasesTrimsAndCuts)
{
    struct Case {
        std::string text;
        std::size_t cut;
        std::string key;
    };
    const Case cases[] = {
        {"ash", 45, "ASH"},
        {"  ash  ", 45, "ASH"},
        {"\tash\r\n", 45, "ASH"},
        {"\xe9glise", 45, "\xc9GLISE"},
        {std::string(3, ' ') + std::string(50, 'x'), 45, std::string(45, 'X')}, // cut after trimming
        {"Kent", 25, "KENT"},
        {std::string(30, 'k'), 25, std::string(25, 'K')},
        {"", 45, ""},
        {"   ", 45, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SearchKey(c.text, c.cut).view(), c.key) << c.text;
}

TEST(SearchKey, MatchModesOnStoredNames)
{
    struct Case {
        const char* name; // as stored: any case, blanks or control characters around it
        const char* text; // as typed
        MatchMode mode;
        bool matches;
    };
    const Case cases[] = {
        {"Stanton", "st", MatchMode::Start, true},
        {"Aston", "st", MatchMode::Start, false},
        {"Aston", "st", MatchMode::Anywhere, true},
        {"St", "sta", MatchMode::Start, false},
        {"  Stanton   ", "st", MatchMode::Start, true}, // leading blanks are trimmed
        {"\tStanton", "st", MatchMode::Start, true}, // control characters too
        {"Ash   ", "ash  ", MatchMode::Start, true},
        {"Ash   ", "ash  ", MatchMode::Anywhere, true},
        {"Ash Ton", "h t", MatchMode::Anywhere, true}, // inner blanks count
        {"Ash  Ton", "h t", MatchMode::Anywhere, false},
        {"Anything", "", MatchMode::Start, true},
        {"", "", MatchMode::Start, true},
        {"Anything", "   ", MatchMode::Anywhere, false},
        {"\xe9glise", "\xc9GL", MatchMode::Start, true},
        {"\xc9glise", "\xe9gl", MatchMode::Start, true},
        {"Ashby", "ashby de", MatchMode::Start, false},
        {"Ashby", "ashby", MatchMode::Anywhere, true},
        {"xAshby", "ashby", MatchMode::Anywhere, true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(search::nameMatches(c.name, SearchKey(c.text, search::kNameKeyLength), c.mode), c.matches)
            << c.name << " / " << c.text;
}

TEST(SearchKey, CountyKeys)
{
    auto key = [](const char* text) { return SearchKey(text, search::kCountyKeyLength); };
    EXPECT_TRUE(search::countyMatches("KEN", key("ke")));
    EXPECT_TRUE(search::countyMatches(" KE", key("ke")));
    EXPECT_TRUE(search::countyMatches("ken", key(" KEN ")));
    EXPECT_FALSE(search::countyMatches("KEN", key("")));
    EXPECT_FALSE(search::countyMatches("LEI", key("ke")));
    EXPECT_FALSE(search::countyMatches("KE", key("KEN")));
}
