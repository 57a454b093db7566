// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The county code list (object name CodesFm): a panel with the product name
// and two buttons above the list in a fixed-pitch font.
#include "app/county_codes_window.h"
#include "ui/form_window.h"

namespace ui {

class CountyCodesForm : public FormWindow {
    Q_OBJECT
public:
    CountyCodesForm(app::CountyCodesWindow& core, Desktop& desktop);
};

} // namespace ui
