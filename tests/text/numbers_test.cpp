#include "text/numbers.h"

#include <gtest/gtest.h>

// text, ok, the value when ok or else the error position, and the leading-integer value
// (record numbers and radius texts such as "-3", "$FA", "", "5 " and "12a" are pinned by
// the driver's golden search and radius cases; "-12x" stands for any stray character).
TEST(Numbers, WholeNumberReadingAndLeadingInteger)
{
    const std::tuple<const char*, bool, int, int> cases[] = {
        {"+7", true, 7, 7},
        {"2147483647", true, 2147483647, 2147483647},
        {"-2147483648", true, -2147483647 - 1, -2147483647 - 1},
        {"   ", false, 4, 0},
        {"-", false, 2, 0},
        {"$", false, 2, 0},
        {"-12x", false, 4, 12}, // the sign is dropped when the reading fails
        {"$1G", false, 3, 1},
        {"-$10", false, 2, 0},
        {"2147483648", false, 10, 214748364},
        {"$80000000", false, 9, 0x8000000}};
    for (const auto& [text, ok, result, leading] : cases) {
        text::WholeReading r = text::readWhole(text);
        EXPECT_EQ(r.ok, ok) << '"' << text << '"';
        EXPECT_EQ(ok ? r.value : r.errorPos, result) << '"' << text << '"';
        EXPECT_EQ(text::leadingInteger(text), leading) << '"' << text << '"';
    }
}

// text, ok, the value when ok or else the error position (leading blanks, as in stored
// eastings, are pinned by the driver's golden distance case; "12a" stands for any stray character).
TEST(Numbers, RealNumberReading)
{
    const std::tuple<const char*, bool, double> cases[] = {
        {"1234567890123456789", true, 1234567890123456789.0}, // beyond the quick whole-number path
        {"-12.5", true, -12.5},
        {"5.", true, 5},
        {".5", true, 0.5},
        {"1e3", true, 1000},
        {"", false, 1},
        {"      ", false, 7},
        {"435 ", false, 4},
        {"12a", false, 3},
        {"$1F", false, 1},
        {"1e", false, 3}};
    for (const auto& [text, ok, result] : cases) {
        text::RealReading r = text::readReal(text);
        EXPECT_EQ(r.ok, ok) << '"' << text << '"';
        EXPECT_DOUBLE_EQ(ok ? r.value : r.errorPos, result) << '"' << text << '"';
    }
}
