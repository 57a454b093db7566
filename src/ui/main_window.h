// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window (object name Parishfm): its controls laid out where they
// were drawn, in the desktop's Liberation fonts, below its menu bar.
#include "app/parishfm.h"
#include "ui/form_window.h"

#include <QFont>

namespace ui {

class MainWindow : public FormWindow {
    Q_OBJECT
public:
    MainWindow(app::Parishfm& core, Desktop& desktop);
};

// The main window's fonts: the window's own, and the fixed-pitch one of the
// record views (an 81-character record line fits their width).
QFont windowFont();
QFont fixedPitchFont();

} // namespace ui
