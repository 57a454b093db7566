#include "grid_square.h"

#include <gtest/gtest.h>

namespace {

struct SquareCase {
    int e, n;
    bool irish;
    const char* square;
};

TEST(GridSquare, NamesTheLetteredSquareOfAPosition)
{
    const SquareCase cases[] = {
        // British grid: corners of the blocks and places from Scilly to Shetland.
        {0, 0, false, "SV"},
        {99, 99, false, "SV"},
        {100, 0, false, "SW"},
        {435, 315, false, "SK"},
        {500, 0, false, "TV"},
        {206, 66, false, "SX"},
        {418, 612, false, "NU"},
        {344, 1011, false, "HY"},
        {447, 1141, false, "HU"},
        {699, 1299, false, "JM"},
        {258, 281, false, "SN"},
        {489, 509, false, "NZ"},
        // Irish grid: one letter, V at the origin, A in the north-west.
        {0, 0, true, "V"},
        {235, 431, true, "C"},
        {210, 77, true, "X"},
        {44, 101, true, "Q"},
        {100, 284, true, "M"},
        {499, 499, true, "E"},
        {400, 0, true, "Z"},
        // Outside the lettered squares.
        {700, 0, false, ""},
        {0, 1300, false, ""},
        {-1, 5, false, ""},
        {5, -1, false, ""},
        {500, 0, true, ""},
        {0, 500, true, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(tools::gridSquare(c.e, c.n, c.irish), c.square) << c.e << "," << c.n << (c.irish ? " IG" : " BNG");
}

TEST(GridSquare, FourFigureReferenceKeepsLeadingZeros)
{
    EXPECT_EQ(tools::gridReference(435, 315, false), "SK3515");
    EXPECT_EQ(tools::gridReference(213, 200, false), "SN1300");
    EXPECT_EQ(tools::gridReference(100, 284, true), "M0084");
    EXPECT_EQ(tools::gridReference(44, 101, true), "Q4401");
    EXPECT_EQ(tools::gridReference(700, 0, false), "");
}

} // namespace
