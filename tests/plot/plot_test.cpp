// SPDX-License-Identifier: GPL-3.0-or-later
#include "plot/location_plot.h"
#include "plot/radius_plot.h"

#include <gtest/gtest.h>

#include <cstdio>

using namespace plot;

namespace {

template <class Op> std::vector<Op> all(const Drawing& d)
{
    std::vector<Op> out;
    for (const Operation& op : d.operations)
        if (const Op* o = std::get_if<Op>(&op))
            out.push_back(*o);
    return out;
}

// The rings' radii from the outside in, and their colours as "R" and "G".
std::pair<std::vector<std::int64_t>, std::string> ringsOf(const Drawing& d)
{
    std::pair<std::vector<std::int64_t>, std::string> out;
    for (const Ring& r : all<Ring>(d)) {
        out.first.push_back(r.radius);
        out.second += r.pen == kGreen ? 'G' : r.pen == kRed ? 'R' : '?';
    }
    return out;
}

// A line of PlotList.txt: the name in 15 columns, easting and northing in 6, the county.
std::string point(const char* name, int easting, int northing, const char* county)
{
    char line[64];
    std::snprintf(line, sizeof line, "%-15.15s%6d%6d%s\r\n", name, easting, northing, county);
    return line;
}

} // namespace

TEST(RadiusPlot, RingsAreFourKilometreStepsOfTheRadiusInnermostGreenAndOnlyThoseThatShow)
{
    const struct {
        std::int64_t miles;
        int scale;
        std::vector<std::int64_t> radii; // from the outermost, all of them or the first few
        const char* colours;
        std::size_t count;
    } cases[] = {
        {10, 25, {400, 300, 200, 100}, "RGRG", 4},
        {2, 25, {100}, "G", 1},
        {0, 5, {20}, "G", 1},
        {-3, 5, {20}, "G", 1},
        {25, 5, {200, 180, 160, 140, 120, 100, 80, 60, 40, 20}, "RGRGRGRGRG", 10},
        // From 900 pixels a ring lies wholly outside the corners (862 pixels away): not drawn.
        {25, 75, {600, 300}, "RG", 2},
        {2147483647, 75, {600, 300}, "RG", 2},
        {2147483647, 5, {860, 840}, "GR", 43},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.miles);
        const auto [radii, colours] = ringsOf(radiusPlot({point("Ashby", 435, 316, "LEI"), c.scale, c.miles}).drawing);
        ASSERT_EQ(radii.size(), c.count);
        EXPECT_EQ(std::vector<std::int64_t>(radii.begin(), radii.begin() + std::ssize(c.radii)), c.radii);
        EXPECT_EQ(colours.substr(0, c.radii.size()), c.colours);
        EXPECT_TRUE(colours.ends_with('G'));
    }
    EXPECT_EQ(radiusRings(10), 4);
    EXPECT_EQ(radiusRings(2147483647), 863'986'358);
}

TEST(RadiusPlot, NamesSitAtTheirGridPositionsAroundTheTargetWhichIsDrawnLast)
{
    const std::string list = point("Ashby-de-la-Zouch", 435, 316, "LEI") + point("North", 435, 317, "LEI")
                             + point("East", 436, 316, "LEI") + point("  Blanks  ", 433, 310, "DBY") + "Short\r\n";
    for (int scale : {5, 75}) {
        SCOPED_TRACE(scale);
        const RadiusPlot all_ = radiusPlot({list, scale, 10});
        EXPECT_EQ(all_.target, "Ashby-de-la-Zou");
        const std::vector<Label> want = {
            {{580, 600 - scale}, "North"},
            {{580 + scale, 600}, "East"},
            {{580 - 2 * scale, 600 + 6 * scale}, "Blanks"},
            {{580 - 435 * scale, 600 + 316 * scale}, "Short"}, // no numbers: the grid's origin
            {{580, 600}, "Ashby-de-la-Zou"},
        };
        EXPECT_EQ(all<Label>(all_.drawing), want);
        // Only the target's county: the other and the short line's empty one go.
        EXPECT_EQ(all<Label>(radiusPlot({list, scale, 10, true}).drawing),
                  (std::vector<Label>{want[0], want[1], want[4]}));
    }
}

TEST(RadiusPlot, AThousandHitsAreAThousandLabelsAndAnEmptyFileRingsAndAnEmptyName)
{
    std::string list = point("Target", 400, 300, "LEI");
    for (int i = 0; i < 1000; ++i)
        list += point(("P" + std::to_string(i)).c_str(), 400 + i % 30, 300 + i / 30, "LEI");
    const Drawing big = radiusPlot({list, 25, 10}).drawing;
    EXPECT_EQ(all<Label>(big).size(), 1001u);
    EXPECT_EQ(all<Label>(big)[999], (Label{{580 + 9 * 25, 600 - 33 * 25}, "P999"}));
    const Drawing empty = radiusPlot({"", 25, 10}).drawing;
    EXPECT_EQ(empty.operations.size(), 5u);
    EXPECT_EQ(all<Label>(empty), (std::vector<Label>{{{580, 600}, ""}}));
}

TEST(LocationPlot, EachCountryHasItsRingsCoastAndIslandsAndPlacesRoundToEvenPixels)
{
    const std::string coast = "   135    25\r\n   136    27\r\n";
    const std::string places = "Ten East Ten North        445   326\r\nHalf East                 436   316\r\n"
                               "One and a half            438   316\r\n";
    const struct {
        Country country;
        int zoom;
        std::vector<std::int64_t> radii;
        std::size_t lines;
        Point start, ten, half, oneAndAHalf;
    } cases[] = {
        {Country::GreatBritain,
         10,
         {640, 600, 560, 520, 480, 440, 400, 360, 320, 280, 240, 200, 160, 120, 80, 40},
         3,
         {780 - 301, 800 + 291},
         {790, 790},
         {781, 800},
         {783, 800}},
        {Country::Ireland,
         10,
         {480, 440, 400, 360, 320, 280, 240, 200, 160, 120, 80, 40},
         1,
         {780 - 361, 800 + 293},
         {790, 790},
         {781, 800},
         {783, 800}},
        // Half a pixel per km: 0.5 and 1.5 pixels round to even, 0 and 2.
        {Country::GreatBritain,
         5,
         {320, 300, 280, 260, 240, 220, 200, 180, 160, 140, 120, 100, 80, 60, 40, 20},
         3,
         {780 - 150, 800 + 146},
         {785, 795},
         {780, 800},
         {782, 800}},
        // Two pixels per km: the rings of 1200 and 1280 pixels lie outside the corners.
        {Country::GreatBritain,
         20,
         {1120, 1040, 960, 880, 800, 720, 640, 560, 480, 400, 320, 240, 160, 80},
         3,
         {780 - 602, 800 + 582},
         {800, 780},
         {782, 800},
         {786, 800}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.zoom);
        const Drawing d = locationPlot({c.country, coast, places, 435, 316, "Ashby", c.zoom});
        const auto [radii, colours] = ringsOf(d);
        EXPECT_EQ(radii, c.radii);
        EXPECT_TRUE(colours.ends_with("RGRG"));
        const auto lines = all<Polyline>(d);
        ASSERT_EQ(lines.size(), c.lines);
        EXPECT_EQ(lines[0].pen, kBlue);
        EXPECT_EQ(lines[0].points.size(), 3u);
        EXPECT_EQ(lines[0].points[0], c.start);
        if (c.lines == 3) {
            EXPECT_EQ(lines[1].points.size(), 8u);
            EXPECT_EQ(lines[2].points.front(), lines[2].points.back());
        }
        const auto labels = all<Label>(d);
        ASSERT_EQ(labels.size(), 4u);
        EXPECT_EQ(labels[0], (Label{c.ten, "Ten East Ten North"}));
        EXPECT_EQ(labels[1].topLeft, c.half);
        EXPECT_EQ(labels[2].topLeft, c.oneAndAHalf);
        EXPECT_EQ(labels[3], (Label{{780, 800}, "Ashby"}));
    }
}
