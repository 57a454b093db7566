#include "grid/distance.h"

#include <cmath>
#include <gtest/gtest.h>

// Positions of the second parish relative to a first one at (400, 300).
TEST(Distance, BearingCasesAndCompassNames)
{
    struct Case {
        double e2, n2;
        double km;
        double bearing;
        const char* name;
        bool same;
    };
    const Case cases[] = {
        {400, 300, 0, 0, "", true}, // same place
        {400, 310, 10, 0, "North", false}, // due north
        {430, 340, 50, 36.8698976, "North East", false}, // north-east quarter
        {410, 300, 10, 90, "East", false}, // due east
        {403, 296, 5, 143.1301024, "South East", false}, // south-east quarter
        {400, 290, 10, 180, "South", false}, // due south
        {396, 297, 5, 233.1301024, "South West", false}, // south-west quarter
        {390, 300, 10, 270, "West", false}, // due west
        {399, 310, std::sqrt(101.0), 354.2894069, "North", false}, // north-west quarter, above 349
        {401, 305, std::sqrt(26.0), 11.3099325, "North by North East", false},
        {405, 301, std::sqrt(26.0), 78.6900675, "East by North East", false},
    };
    for (const auto& c : cases) {
        auto r = grid::computeDistanceDirection(400, 300, c.e2, c.n2);
        EXPECT_NEAR(r.km, c.km, 1e-9) << c.e2 << "," << c.n2;
        EXPECT_NEAR(r.miles, c.km * 0.621, 1e-9);
        EXPECT_NEAR(r.bearing, c.bearing, 1e-6) << c.e2 << "," << c.n2;
        EXPECT_EQ(r.samePlace, c.same);
        if (!c.same) {
            EXPECT_EQ(grid::compassName(r.bearing), c.name) << c.e2 << "," << c.n2;
        }
    }
}

TEST(Distance, SectorBoundsAreExclusiveBelowAndInclusiveAbove)
{
    struct Case {
        double bearing;
        const char* name;
    };
    const Case cases[] = {
        {0, "North"},
        {11, "North"},
        {11.0001, "North by North East"},
        {11.5, "North by North East"},
        {34, "North by North East"},
        {34.5, "North East"},
        {56, "North East"},
        {79, "East by North East"},
        {101, "East"},
        {124, "East by South East"},
        {146, "South East"},
        {169, "South by South East"},
        {191, "South"},
        {214, "South by South West"},
        {236, "South West"},
        {259, "West by South West"},
        {281, "West"},
        {304, "West by North West"},
        {326, "North West"},
        {349, "North by North West"},
        {349.01, "North"},
        {359.99, "North"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(grid::compassName(c.bearing), c.name) << c.bearing;
}

TEST(Distance, FixedFormatting)
{
    EXPECT_EQ(grid::formatFixed(50, 8, 1), "    50.0");
    EXPECT_EQ(grid::formatFixed(6.21, 8, 1), "     6.2");
    EXPECT_EQ(grid::formatFixed(0, 8, 1), "     0.0");
    EXPECT_EQ(grid::formatFixed(3.2, 6, 1), "   3.2");
    EXPECT_EQ(grid::formatFixed(12, 6, 1), "  12.0");
    EXPECT_EQ(grid::formatFixed(123456.7, 6, 1), "123456.7"); // wider when the number needs it
    EXPECT_EQ(grid::formatFixed(36.87, 3, 0), " 37");
    EXPECT_EQ(grid::formatFixed(359.6, 3, 0), "360");
    EXPECT_EQ(grid::formatFixed(0, 3, 0), "  0");
    EXPECT_EQ(grid::formatFixed(-0.01, 6, 1), "   0.0");
}
