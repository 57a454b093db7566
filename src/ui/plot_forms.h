// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The plot windows' layouts: the radius plot (PlotFm) and the location plot
// (LocPlotfm) show their picture under their menu bar, maximised, opening on
// a given point of the picture; the radius plot's information window
// (PlotDataFm) is a short column of texts.
#include "app/plot_windows.h"
#include "ui/form_window.h"

#include <QTimer>

namespace ui {

class PlotForm : public FormWindow {
    Q_OBJECT
public:
    // The view opens with the picture's point (x, y) in its middle.
    PlotForm(app::Window& core, Desktop& desktop, QPoint opening);

protected:
    void showEvent(QShowEvent* event) override;

private:
    QPoint opening_;
    QTimer placing_;
};

class PlotDataForm : public FormWindow {
    Q_OBJECT
public:
    PlotDataForm(app::PlotDataWindow& core, Desktop& desktop);
};

} // namespace ui
