// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The location plot: the whole country around one parish on a 1600 x 1600
// bitmap, with its coastline, 40-kilometre distance rings and the names of
// the reference places. Great Britain and Ireland each have their own files.
#include "plot/drawing.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace plot {

inline constexpr int kLocationPlotSize = 1600;

enum class Country { GreatBritain, Ireland };

struct LocationPlotInput {
    Country country = Country::GreatBritain;
    std::string_view coastline; // a vertex a line: easting in columns 1-6, northing 7-12
    std::string_view places; // a place a line: name 1-25, easting 26-31, northing 32-37
    std::int64_t easting = 0, northing = 0;
    std::string name; // the parish at the centre
    int zoom = 10; // tenths of a pixel per kilometre, 5 to 20
};

Drawing locationPlot(const LocationPlotInput& input);

} // namespace plot
