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
    const Case cases[] = {{"ash", 45, "ASH"},
                          {"  ash  ", 45, "ASH"},
                          {"\xe9glise", 45, "\xc9GLISE"},
                          {std::string(3, ' ') + std::string(50, 'x'), 45, std::string(45, 'X')}, // cut after trimming
                          {std::string(30, 'k'), 25, std::string(25, 'K')},
                          {"", 45, ""}};
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
        {"Ash Ton", "h t", MatchMode::Anywhere, true}, // inner blanks count
        {"Ash  Ton", "h t", MatchMode::Anywhere, false},
        {"Anything", "", MatchMode::Start, true},
        {"Anything", "   ", MatchMode::Anywhere, false},
        {"\xe9glise", "\xc9GL", MatchMode::Start, true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(search::nameMatches(c.name, SearchKey(c.text, search::kNameKeyLength), c.mode), c.matches)
            << c.name << " / " << c.text;
}

TEST(SearchKey, CountyKeysContainTheText)
{
    struct Case {
        const char* stored;
        const char* text;
        bool matches;
    };
    const Case cases[] = {{"KEN", "ke", true}, {" KE", "ke", true},  {"ken", " KEN ", true},
                          {"KEN", "", false},  {"LEI", "ke", false}, {"KE", "KEN", false}};
    for (const auto& c : cases)
        EXPECT_EQ(search::countyMatches(c.stored, SearchKey(c.text, search::kCountyKeyLength)), c.matches)
            << c.stored << " / " << c.text;
}
