#include "grid/distance.h"

#include <cmath>
#include <gtest/gtest.h>

// Positions of the second parish relative to a first one at (400, 300): the axes and each quarter.
TEST(Distance, KilometresMilesAndBearing)
{
    const std::tuple<double, double, double, double> cases[] = {
        {400, 300, 0, 0},           {400, 310, 10, 0},          {430, 340, 50, 36.8698976},
        {410, 300, 10, 90},         {403, 296, 5, 143.1301024}, {400, 290, 10, 180},
        {396, 297, 5, 233.1301024}, {390, 300, 10, 270},        {399, 310, std::sqrt(101.0), 354.2894069}};
    for (const auto& [e2, n2, km, bearing] : cases) {
        SCOPED_TRACE(std::to_string(e2) + "," + std::to_string(n2));
        auto r = grid::computeDistanceDirection(400, 300, e2, n2);
        EXPECT_NEAR(r.km, km, 1e-9);
        EXPECT_NEAR(r.bearing, bearing, 1e-6);
    }
}

// Each sector ends at its upper bound inclusive: 11 is North, just above it North by North East.
TEST(Distance, CompassSectorsAreExclusiveBelowAndInclusiveAbove)
{
    const char* names[] = {
        "North",      "North by North East", "North East", "East by North East",  "East",       "East by South East",
        "South East", "South by South East", "South",      "South by South West", "South West", "West by South West",
        "West",       "West by North West",  "North West", "North by North West", "North"};
    const double upperBounds[] = {11, 34, 56, 79, 101, 124, 146, 169, 191, 214, 236, 259, 281, 304, 326, 349};
    for (int i = 0; i < 16; ++i) {
        EXPECT_EQ(grid::compassName(upperBounds[i]), names[i]) << upperBounds[i];
        EXPECT_EQ(grid::compassName(upperBounds[i] + 0.001), names[i + 1]) << upperBounds[i] + 0.001;
    }
    EXPECT_EQ(grid::compassName(0), "North");
}

// Wider when the number needs it; rounded half up; no minus sign on a rounded zero.
TEST(Distance, FixedFormatting)
{
    // (Plain distances and bearings are pinned by the driver's golden distance case.)
    const std::tuple<double, int, int, const char*> cases[] = {
        {123456.7, 6, 1, "123456.7"}, {36.87, 3, 0, " 37"}, {359.6, 3, 0, "360"}, {-0.01, 6, 1, "   0.0"}};
    for (const auto& [value, width, decimals, text] : cases)
        EXPECT_EQ(grid::formatFixed(value, width, decimals), text) << value;
}
