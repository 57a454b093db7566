// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The map sheet window (object name Mapfm): a panel with its title and two
// buttons, the series' notes, and the list of sheets. Application-modal: while
// it is on screen the other windows take no input.
#include "app/map_sheet_window.h"
#include "ui/form_window.h"

namespace ui {

class MapSheetDialog : public FormWindow {
    Q_OBJECT
public:
    MapSheetDialog(app::MapSheetWindow& core, Desktop& desktop);
};

} // namespace ui
