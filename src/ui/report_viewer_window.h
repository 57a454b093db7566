// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The report viewer (object name ParListFm): a panel of buttons and the
// radius plot's settings above the report in a fixed-pitch font.
#include "app/report_viewer.h"
#include "ui/form_window.h"

namespace ui {

class ReportViewerWindow : public FormWindow {
    Q_OBJECT
public:
    ReportViewerWindow(app::ReportViewer& core, Desktop& desktop);
};

} // namespace ui
