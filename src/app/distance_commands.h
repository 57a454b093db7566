// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window's 1st and 2nd parish, the distance and direction between
// them, and the search for every parish within a radius of the 1st.
#include "app/main_context.h"
#include "app/record_browser.h"
#include "app/report_viewer.h"

namespace app {

class DistanceCommands {
public:
    DistanceCommands(MainContext& c, RecordBrowser& browser, ReportViewer& viewer)
        : c_(c), browser_(browser), viewer_(viewer)
    {
    }

    void selectFirstParish();
    void selectSecondParish();
    void distanceAndDirection();
    // Writes ParList.txt and PlotList.txt and shows the report.
    void parishesWithinRadius();

private:
    void selectParish(std::string& description, std::string& osRef, std::string& east, std::string& north);

    MainContext& c_;
    RecordBrowser& browser_;
    ReportViewer& viewer_;
};

} // namespace app
