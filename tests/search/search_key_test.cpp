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

TEST(SearchKey, MatchModes)
{
    struct Case {
        const char* name;
        const char* key;
        MatchMode mode;
        bool matches;
    };
    const Case cases[] = {
        {"STANTON", "ST", MatchMode::Start, true},
        {"ASTON", "ST", MatchMode::Start, false},
        {"ASTON", "ST", MatchMode::Anywhere, true},
        {"ST", "STA", MatchMode::Start, false},
        {"ANYTHING", "", MatchMode::Start, true},
        {"", "", MatchMode::Start, true},
        {"ANYTHING", "", MatchMode::Anywhere, false},
        {"ASHBY", "ASHBY", MatchMode::Anywhere, true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(search::nameMatches(c.name, c.key, c.mode), c.matches) << c.name << " / " << c.key;
    EXPECT_TRUE(search::countyMatches("KEN", "KE"));
    EXPECT_FALSE(search::countyMatches("KEN", ""));
    EXPECT_FALSE(search::countyMatches("LEI", "KE"));
}
