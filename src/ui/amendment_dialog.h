// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The amendment window (object name Updatefm): the product name and the
// window's title above the seven labelled yellow boxes, and the two buttons.
// Application-modal, centred on the screen each time it is shown.
#include "app/amendment_window.h"
#include "ui/form_window.h"

namespace ui {

class AmendmentDialog : public FormWindow {
    Q_OBJECT
public:
    AmendmentDialog(app::AmendmentWindow& core, Desktop& desktop);
};

} // namespace ui
