// SPDX-License-Identifier: GPL-3.0-or-later
#include "location_plot.h"

#include "text/ansi.h"
#include "text/columns.h"
#include "text/numbers.h"
#include "text/text_file.h"

#include <cmath>

namespace plot {
namespace {

struct GridPoint {
    std::int64_t easting = 0, northing = 0;
};

// The islands the British coastline file leaves out, as closed outlines.
const std::vector<GridPoint> kIslands[] = {
    {{430, 85}, {448, 97}, {460, 94}, {466, 87}, {459, 78}, {450, 75}, {435, 86}, {430, 85}},
    {{195, 652}, {203, 647}, {205, 622}, {195, 620}, {188, 629}, {186, 640}, {195, 652}},
};

} // namespace

Drawing locationPlot(const LocationPlotInput& input)
{
    Drawing d;
    d.width = d.height = kLocationPlotSize;
    const Point centre{kLocationPlotSize / 2 - 20, kLocationPlotSize / 2};
    const double k = input.zoom * 0.1;
    // Rounded to the nearest pixel, halves to even.
    auto at = [&](GridPoint g) {
        return Point{static_cast<std::int64_t>(std::nearbyint(static_cast<double>(centre.x)
                                                              + static_cast<double>(g.easting - input.easting) * k)),
                     static_cast<std::int64_t>(std::nearbyint(static_cast<double>(centre.y)
                                                              + static_cast<double>(input.northing - g.northing) * k))};
    };
    const bool ireland = input.country == Country::Ireland;
    const std::int64_t miles = ireland ? 300 : 400;
    addRings(d, centre, miles * 16093 / 400000, [k](std::int64_t i) {
        return static_cast<std::int64_t>(std::nearbyint(40.0 * static_cast<double>(i) * k));
    });

    Polyline coast{{at(ireland ? GridPoint{74, 23} : GridPoint{134, 25})}, kBlue};
    std::string_view rest = input.coastline;
    while (!rest.empty()) {
        std::string_view line = text::takeLine(rest);
        coast.points.push_back(
            at({text::leadingInteger(text::columns(line, 1, 6)), text::leadingInteger(text::columns(line, 7, 6))}));
    }
    d.operations.emplace_back(std::move(coast));
    if (!ireland)
        for (const auto& island : kIslands) {
            Polyline outline{{}, kBlue};
            for (GridPoint g : island)
                outline.points.push_back(at(g));
            d.operations.emplace_back(std::move(outline));
        }

    rest = input.places;
    while (!rest.empty()) {
        std::string_view line = text::takeLine(rest);
        d.operations.emplace_back(Label{
            at({text::leadingInteger(text::columns(line, 26, 6)), text::leadingInteger(text::columns(line, 32, 6))}),
            std::string(text::trimBlanks(text::columns(line, 1, 25)))});
    }
    d.operations.emplace_back(Label{centre, input.name});
    return d;
}

} // namespace plot
