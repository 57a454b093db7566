// SPDX-License-Identifier: GPL-3.0-or-later
#include "radius_plot.h"

#include "text/ansi.h"
#include "text/columns.h"
#include "text/numbers.h"
#include "text/text_file.h"

namespace plot {
namespace {

struct PlotPoint {
    std::string name;
    std::int64_t easting = 0, northing = 0;
    std::string_view county;
};

// Columns 1-15 the name (blanks trimmed), 16-21 the easting, 22-27 the
// northing, 28-30 the county; a short line yields what is there.
PlotPoint readPoint(std::string_view line)
{
    using text::columns;
    return {std::string(text::trimBlanks(columns(line, 1, 15))), text::leadingInteger(columns(line, 16, 6)),
            text::leadingInteger(columns(line, 22, 6)), columns(line, 28, 3)};
}

} // namespace

std::int64_t radiusRings(std::int64_t radiusMiles)
{
    return std::max<std::int64_t>(1, radiusMiles * 16093 / 40000);
}

RadiusPlot radiusPlot(const RadiusPlotInput& input)
{
    RadiusPlot plot;
    Drawing& d = plot.drawing;
    d.width = d.height = kRadiusPlotSize;
    const Point centre{kRadiusPlotSize / 2 - 20, kRadiusPlotSize / 2};
    const std::int64_t s = input.scale;

    std::string_view rest = input.plotList;
    const PlotPoint target = readPoint(text::takeLine(rest));
    plot.target = target.name;
    addRings(d, centre, radiusRings(input.radiusMiles), [s](std::int64_t k) { return 4 * k * s; });
    while (!rest.empty()) {
        const PlotPoint p = readPoint(text::takeLine(rest));
        if (input.sameCountyOnly && p.county != target.county)
            continue;
        d.operations.emplace_back(Label{
            {centre.x + (p.easting - target.easting) * s, centre.y + (target.northing - p.northing) * s}, p.name});
    }
    d.operations.emplace_back(Label{centre, target.name});
    return plot;
}

} // namespace plot
