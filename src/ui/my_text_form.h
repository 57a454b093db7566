// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The free text window (object name MyTextfm): one editable box in the
// fixed-pitch font filling the window.
#include "app/my_text_window.h"
#include "ui/form_window.h"

namespace ui {

class MyTextForm : public FormWindow {
    Q_OBJECT
public:
    MyTextForm(app::MyTextWindow& core, Desktop& desktop);
};

} // namespace ui
