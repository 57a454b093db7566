// SPDX-License-Identifier: GPL-3.0-or-later
// The plots' input files of any bytes: PlotList.txt for the radius plot, and
// the coastline and place files for both location plots.
#include "fuzz_input.h"
#include "plot/location_plot.h"
#include "plot/radius_plot.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view input = fuzz::asText(data, size);
    (void)plot::radiusPlot({input, 75, 2147483647, false});
    (void)plot::radiusPlot({input, 5, -1, true});
    for (plot::Country c : {plot::Country::GreatBritain, plot::Country::Ireland})
        (void)plot::locationPlot({c, input, input, 435, 316, "Ashby", 20});
    return 0;
}
