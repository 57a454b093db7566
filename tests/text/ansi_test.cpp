// cp1252 bytes: conversion to and from UTF-8, upper-casing, trimming and columns.
#include "text/ansi.h"
#include "text/columns.h"
#include "text/cp1252.h"

#include <gtest/gtest.h>

TEST(Cp1252, ConvertsTheWindowsRangeAndLatin1AndEveryByteRoundTrips)
{
    std::string all;
    for (int b = 0; b < 256; ++b)
        all += static_cast<char>(b);
    EXPECT_EQ(text::utf8ToCp1252(text::cp1252ToUtf8(all)), all);
    // (The euro, an undefined byte and letters of Latin-1 are pinned by the driver's golden texts case.)
    const std::pair<std::string, std::string> cases[] = {
        {"\x9F", "\u0178"}, {"\x8A\x9A", "\u0160\u0161"}, {"\x96", "\u2013"}, {"\xFF", "\u00FF"}};
    for (const auto& [cp1252, utf8] : cases) {
        EXPECT_EQ(text::cp1252ToUtf8(cp1252), utf8) << utf8;
        EXPECT_EQ(text::utf8ToCp1252(utf8), cp1252) << utf8;
    }
    // What cp1252 lacks, and malformed UTF-8, become question marks.
    EXPECT_EQ(text::utf8ToCp1252("Tr\u0175yn \U0001F600"), "Tr?yn ?");
    EXPECT_EQ(text::utf8ToCp1252("\x80 \xC3"), "? ?");
}

TEST(AnsiUpper, FoldsAccentedLettersOfTheCodePageAndMatchesAnUpperCaseKey)
{
    // The division sign, sharp s and micro sign stay.
    const std::pair<unsigned char, unsigned char> cases[] = {
        {'a', 'A'},   {'z', 'Z'},   {'~', '~'},   {0xE9, 0xC9}, {0xE0, 0xC0}, {0xFE, 0xDE}, {0xF7, 0xF7},
        {0xDF, 0xDF}, {0xB5, 0xB5}, {0x9A, 0x8A}, {0x9C, 0x8C}, {0x9E, 0x8E}, {0xFF, 0x9F}};
    for (const auto& [in, out] : cases)
        EXPECT_EQ(static_cast<unsigned char>(text::ansiUpper(static_cast<char>(in))), out) << int(in);
    // text, key, starts with, contains
    const std::tuple<const char*, const char*, bool, bool> keys[] = {
        {"Ashby", "ASH", true, true},      {"Ashby", "HBY", false, true}, {"Ashby", "ASHBY", true, true},
        {"Ashby", "ASHBYX", false, false}, {"aaab", "AAB", false, true},  {"\xe9glise", "\xc9G", true, true},
        {"Ashby", "", true, false},        {"", "A", false, false},       {"Ash  ", "H  ", false, true}};
    for (const auto& [text, key, starts, contains] : keys) {
        EXPECT_EQ(text::startsFolded(text, key), starts) << text << "/" << key;
        EXPECT_EQ(text::containsFolded(text, key), contains) << text << "/" << key;
    }
}

TEST(Columns, TrimPadButNeverCutAndCutWithinTheLine)
{
    EXPECT_EQ(text::trim("\t\r\nash\x01 "), "ash");
    EXPECT_EQ(text::trim("\xA0 a b"), "\xA0 a b"); // a no-break space is a character
    EXPECT_EQ(text::trimBlanks("\t a b \t"), "\t a b \t");
    EXPECT_EQ(text::padRight("abcde", 4), "abcde");
    EXPECT_EQ(text::padLeft("1234567", 6), "1234567");
    EXPECT_EQ(text::columns("abcdef", 5, 10), "ef");
    EXPECT_EQ(text::columns("abc", 4, 2), "");
    EXPECT_EQ(text::columns("abc", 0, 2), "");
}
