#include "text/cp1252.h"

#include <gtest/gtest.h>

using text::cp1252ToUtf8;
using text::utf8ToCp1252;

TEST(Cp1252, EveryByteRoundTrips)
{
    std::string all;
    for (int b = 0; b < 256; ++b)
        all += static_cast<char>(b);
    EXPECT_EQ(utf8ToCp1252(cp1252ToUtf8(all)), all);
}

TEST(Cp1252, ConvertsTheWindowsRangeAndLatin1)
{
    struct Case {
        std::string cp1252;
        std::string utf8;
    };
    const Case cases[] = {
        {"Ashby", "Ashby"},           {"\x80", "\u20AC"}, // euro
        {"\x9F", "\u0178"}, // Y diaeresis
        {"\x8A\x9A", "\u0160\u0161"}, // S caron
        {"\x96", "\u2013"}, // en dash
        {"Rh\xF4s", "Rh\u00F4s"},     {"\xC9ire", "\u00C9ire"}, {"\xFF", "\u00FF"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(cp1252ToUtf8(c.cp1252), c.utf8) << c.utf8;
        EXPECT_EQ(utf8ToCp1252(c.utf8), c.cp1252) << c.utf8;
    }
}

TEST(Cp1252, CharactersItLacksBecomeQuestionMarks)
{
    // Welsh w and y with circumflex are not in cp1252.
    EXPECT_EQ(utf8ToCp1252("Tr\u0175yn"), "Tr?yn");
    EXPECT_EQ(utf8ToCp1252("\U0001F600x"), "?x");
    // Malformed UTF-8: a lone continuation byte, a truncated sequence.
    EXPECT_EQ(utf8ToCp1252("a\x80"
                           "b"),
              "a?b");
    EXPECT_EQ(utf8ToCp1252("a\xC3"), "a?");
}
