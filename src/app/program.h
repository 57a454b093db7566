// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's windows' cores, made once each, sharing one dispatcher. The
// Qt program and the headless driver both run on one of these.
#include "app/about_windows.h"
#include "app/amendment_window.h"
#include "app/county_codes_window.h"
#include "app/dispatcher.h"
#include "app/map_sheet_window.h"
#include "app/my_text_window.h"
#include "app/parishfm.h"
#include "app/plot_windows.h"
#include "app/ports.h"
#include "app/read_me_window.h"
#include "app/report_viewer.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace app {

class Program {
public:
    // myTools shows the maintainer's menu (see myToolsSetting).
    Program(Ports ports, const std::filesystem::path& workingDirectory, std::string mapHost, bool myTools = false);

    Parishfm& mainWindow() { return main_; }
    // The windows whose cores are built, in the program's order; the main window first.
    const std::vector<Window*>& windows() const { return windows_; }
    // The window of that form name, or null when it is not built (or no form at all).
    Window* window(std::string_view formName) const;
    Dispatcher& dispatcher() { return dispatcher_; }

    // Starts the program as the person does, through the dispatcher.
    void start();
    bool ended() const { return main_.ended(); }

private:
    Dispatcher dispatcher_;
    ReportViewer viewer_;
    MapSheetWindow sheets_;
    CountyCodesWindow codes_;
    AmendmentWindow amendment_;
    ReadMeWindow readMe_;
    LicenceWindow licence_;
    AboutWindow about_;
    LocationPlotWindow locations_;
    MyTextWindow myText_;
    Parishfm main_;
    PlotDataWindow plotData_;
    RadiusPlotWindow radiusPlot_;
    std::vector<Window*> windows_;
};

} // namespace app
