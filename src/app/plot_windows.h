// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The plot windows: the radius plot (object name PlotFm) of the last radius
// search, its information window (PlotDataFm), and the location plot
// (LocPlotfm) of the record on show. Each draws its plot as drawing
// operations, shows them, and saves them as a BMP file in the working
// directory; zooming draws again from the files.
#include "app/parishfm_view.h"
#include "app/report_viewer.h"
#include "app/window.h"
#include "plot/drawing.h"
#include "records/parish_record.h"

#include <filesystem>
#include <functional>
#include <memory>
#include <string>

namespace app {

class PlotDataWindow : public Window {
public:
    // The 1st parish's details are read from the main window's boxes.
    PlotDataWindow(Ports ports, Dispatcher& dispatcher, const ParishfmView& main);
    void open() { show(); }

private:
    void onShow() override;

    const ParishfmView& main_;
    std::string parish_, reference_;
};

class RadiusPlotWindow : public Window {
public:
    // The scale and the county filter are the report viewer's boxes; the
    // radius is the main window's.
    RadiusPlotWindow(Ports ports, Dispatcher& dispatcher, std::filesystem::path workingDirectory, ReportViewer& viewer,
                     const ParishfmView& main, PlotDataWindow& information);

    // Draws the plot of PlotList.txt, shows and saves it.
    void plot();

private:
    void zoom(int step);

    std::filesystem::path workingDirectory_;
    ReportViewer& viewer_;
    const ParishfmView& main_;
    std::shared_ptr<const plot::Drawing> picture_;
};

class LocationPlotWindow : public Window {
public:
    LocationPlotWindow(Ports ports, Dispatcher& dispatcher, std::filesystem::path workingDirectory);

    // Draws the plot around the record, shows and saves it.
    void plot(const records::ParishRecord& record);
    // What the zoom items run to draw again (the main window's Location Plot),
    // and what Show Local Parishes runs after hiding the window.
    void connect(std::function<void()> replot, std::function<void()> showLocalParishes);

private:
    void zoomTo(int level);

    std::filesystem::path workingDirectory_;
    std::string scale_ = "10"; // hidden: the zoom level in tenths of a pixel per kilometre
    std::function<void()> replot_;
    std::shared_ptr<const plot::Drawing> picture_;
};

} // namespace app
