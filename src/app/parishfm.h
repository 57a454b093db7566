// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window's core (object name Parishfm): the open data file, the
// record views, and its commands in cohesive groups around the one record
// cursor: moving through the file, searching, distance and radius, list
// reports and maps, maintenance, import and back-ups, and the maintainer's
// tools. Every command is reached through the window's controls.
#include "app/back_ups.h"
#include "app/csv_import.h"
#include "app/developer_tools.h"
#include "app/distance_commands.h"
#include "app/list_reports.h"
#include "app/main_context.h"
#include "app/map_commands.h"
#include "app/map_list_tools.h"
#include "app/map_sheet_window.h"
#include "app/my_text_window.h"
#include "app/name_search.h"
#include "app/record_browser.h"
#include "app/record_maintenance.h"
#include "app/report_viewer.h"
#include "app/window.h"

#include <cstdint>
#include <filesystem>
#include <string>

namespace app {

class Parishfm : public Window {
public:
    Parishfm(Ports ports, Dispatcher& dispatcher, std::filesystem::path workingDirectory, ReportViewer& viewer,
             MapSheetWindow& sheets, AmendmentWindow& amendment, LocationPlotWindow& locations, MyTextWindow& myText,
             std::string mapHost, bool myTools = false);

    // Opens the data file and shows its first records and the search history.
    // Without a data file it says so and ends the program.
    void start();
    bool previewsKeys() const override { return true; }
    void keyDown(Key key) override;
    // Saves the search history and asks whether to end the program.
    bool closeQuery() override;

    const ParishfmView& view() const { return c_.view; }
    std::int32_t currentRecord() const { return c_.cursor.position; }
    std::int32_t recordCount() const { return c_.count; }
    // True once the program has been asked to end.
    bool ended() const { return ended_; }

private:
    void describeControls();
    void describeMenu();
    void exit() { closeQuery(); }

    MainContext c_;
    RecordBrowser browser_;
    NameSearch search_;
    DistanceCommands distance_;
    ListReports reports_;
    MapCommands maps_;
    RecordMaintenance maintenance_;
    CsvImport import_;
    BackUps backUps_;
    DeveloperTools tools_;
    MapListTools mapTools_;
    bool ended_ = false;
};

} // namespace app
