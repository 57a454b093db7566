// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The layouts of the About window (AboutBox), the licence window (Licencefm)
// and the splash window shown while the program starts.
#include "app/about_windows.h"
#include "app/read_me_window.h"
#include "ui/form_window.h"

#include <QPixmap>
#include <QWidget>

namespace ui {

// The program's picture at a size, drawn from its SVG.
QPixmap steeplePicture(QSize size);

class AboutForm : public FormWindow {
    Q_OBJECT
public:
    AboutForm(app::AboutWindow& core, Desktop& desktop);
};

class LicenceForm : public FormWindow {
    Q_OBJECT
public:
    LicenceForm(app::LicenceWindow& core, Desktop& desktop);
};

class ReadMeForm : public FormWindow {
    Q_OBJECT
public:
    ReadMeForm(app::ReadMeWindow& core, Desktop& desktop);
};

// No border or caption; shown and painted at once, closed when the windows are made.
class SplashScreen : public QWidget {
    Q_OBJECT
public:
    SplashScreen();
};

} // namespace ui
