// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window's map commands: the map sheets of the record on show, and
// its street map in the desktop's browser.
#include "app/distance_commands.h"
#include "app/main_context.h"
#include "app/map_sheet_window.h"

#include <string>

namespace app {

class MapCommands {
public:
    MapCommands(MainContext& c, DistanceCommands& distance, MapSheetWindow& sheets, std::string mapHost)
        : c_(c), distance_(distance), sheets_(sheets), mapHost_(std::move(mapHost))
    {
    }

    void showMapSheets();
    void showLocation();

private:
    MainContext& c_;
    DistanceCommands& distance_;
    MapSheetWindow& sheets_;
    std::string mapHost_;
};

// The web map's host as the program is set up: the STEEPLEWATCHER_MAP_HOST
// environment variable when it names a plain host, else the default.
std::string mapHostSetting();

} // namespace app
