#include "text/numbers.h"

#include <gtest/gtest.h>

namespace {

struct WholeCase {
    const char* text;
    bool ok;
    int value; // when ok
    int errorPos; // when not ok
    int leading; // the leading-integer value
};

const WholeCase kWholeCases[] = {
    {"250", true, 250, 0, 250},
    {"+7", true, 7, 0, 7},
    {"-3", true, -3, 0, -3},
    {"$FA", true, 250, 0, 250},
    {"2147483647", true, 2147483647, 0, 2147483647},
    {"-2147483648", true, -2147483647 - 1, 0, -2147483647 - 1},
    {"", false, 0, 1, 0},
    {"   ", false, 0, 4, 0},
    {"-", false, 0, 2, 0},
    {"$", false, 0, 2, 0},
    {"250 ", false, 0, 4, 250},
    {"-12x", false, 0, 4, 12}, // the sign is dropped when the reading fails
    {"1.5", false, 0, 2, 1},
    {"$1G", false, 0, 3, 1},
    {"-$10", false, 0, 2, 0},
    {"2147483648", false, 0, 10, 214748364},
    {"$80000000", false, 0, 9, 0x8000000},
};

} // namespace

TEST(Numbers, WholeNumberReadingAndLeadingInteger)
{
    for (const auto& c : kWholeCases) {
        text::WholeReading r = text::readWhole(c.text);
        EXPECT_EQ(r.ok, c.ok) << '"' << c.text << '"';
        if (c.ok)
            EXPECT_EQ(r.value, c.value) << '"' << c.text << '"';
        else
            EXPECT_EQ(r.errorPos, c.errorPos) << '"' << c.text << '"';
        EXPECT_EQ(text::leadingInteger(c.text), c.leading) << '"' << c.text << '"';
    }
}

TEST(Numbers, RealNumberReading)
{
    struct Case {
        const char* text;
        bool ok;
        double value;
        int errorPos;
    };
    const Case cases[] = {
        {"435", true, 435, 0},
        {"1234567890123456789", true, 1234567890123456789.0, 0}, // beyond the quick whole-number path
        {"  -0", true, 0, 0},
        {"-12.5", true, -12.5, 0},
        {"5.", true, 5, 0},
        {".5", true, 0.5, 0},
        {"1e3", true, 1000, 0},
        {"", false, 0, 1},
        {"      ", false, 0, 7},
        {"435 ", false, 0, 4},
        {"12a", false, 0, 3},
        {"$1F", false, 0, 1},
        {"1e", false, 0, 3},
        {"1,5", false, 0, 2},
    };
    for (const auto& c : cases) {
        text::RealReading r = text::readReal(c.text);
        EXPECT_EQ(r.ok, c.ok) << '"' << c.text << '"';
        if (c.ok)
            EXPECT_DOUBLE_EQ(r.value, c.value) << '"' << c.text << '"';
        else
            EXPECT_EQ(r.errorPos, c.errorPos) << '"' << c.text << '"';
    }
}
