// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window (object name Parishfm): its controls in rows of layouts, in
// the desktop's fonts, below its menu bar; the record views in a monospace
// font under a heading whose words stand over the columns they name.
#include "app/parishfm.h"
#include "ui/form_window.h"

#include <QRect>
#include <QString>

#include <vector>

namespace ui {

class MainWindow : public FormWindow {
    Q_OBJECT
public:
    MainWindow(app::Parishfm& core, Desktop& desktop);
};

// Where the column heading draws its words, in the heading's coordinates.
struct HeadingWord {
    QString word;
    QRect rect;
};
std::vector<HeadingWord> headingWords(const MainWindow& window);

} // namespace ui
