// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The radius plot: the parishes of the last radius search (PlotList.txt) at
// their grid positions around the 1st parish, over 4-kilometre distance
// rings, on a 1200 x 1200 bitmap.
#include "plot/drawing.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace plot {

inline constexpr int kRadiusPlotSize = 1200;

struct RadiusPlotInput {
    std::string_view plotList; // the text of PlotList.txt
    int scale = 25; // pixels per kilometre, 5 to 75
    std::int64_t radiusMiles = 0;
    bool sameCountyOnly = false; // only the parishes of the target's county
};

struct RadiusPlot {
    Drawing drawing;
    std::string target; // the name on line 1
};

RadiusPlot radiusPlot(const RadiusPlotInput& input);

// The number of rings: the radius in 4-kilometre steps, at least one.
std::int64_t radiusRings(std::int64_t radiusMiles);

} // namespace plot
