// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window's map commands: the map sheets of the record on show, and
// its street map in the desktop's browser, and its place in the country.
#include "app/distance_commands.h"
#include "app/main_context.h"
#include "app/map_sheet_window.h"
#include "app/plot_windows.h"

#include <string>

namespace app {

class MapCommands {
public:
    MapCommands(MainContext& c, DistanceCommands& distance, MapSheetWindow& sheets, LocationPlotWindow& locations,
                std::string mapHost)
        : c_(c), distance_(distance), sheets_(sheets), locations_(locations), mapHost_(std::move(mapHost))
    {
    }

    void showMapSheets();
    void showLocation();
    // The location plot around the record on show.
    void locationPlot();

private:
    MainContext& c_;
    DistanceCommands& distance_;
    MapSheetWindow& sheets_;
    LocationPlotWindow& locations_;
    std::string mapHost_;
};

// The web map's host as the program is set up: the STEEPLEWATCHER_MAP_HOST
// environment variable when it names a plain host, else the default.
std::string mapHostSetting();

} // namespace app
