// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window's list reports (the parishes of a county, the parishes
// matching the search text) and the report preview.
#include "app/main_context.h"
#include "app/record_browser.h"
#include "app/report_viewer.h"

namespace app {

class ListReports {
public:
    ListReports(MainContext& c, RecordBrowser& browser, ReportViewer& viewer)
        : c_(c), browser_(browser), viewer_(viewer)
    {
    }

    void listCounty();
    void listMatching();
    void preview();

private:
    // Writes the report, shows record 0 again and the report.
    void finish(const reports::ListOutcome& outcome);

    MainContext& c_;
    RecordBrowser& browser_;
    ReportViewer& viewer_;
};

} // namespace app
