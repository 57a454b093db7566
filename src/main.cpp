// SPDX-License-Identifier: GPL-3.0-or-later
// Steeplewatcher: a finding aid for the parishes of Great Britain and Ireland.
#include "app/developer_tools.h"
#include "app/map_commands.h"
#include "app/messages.h"
#include "ui/desktop.h"
#include "ui/information_forms.h"
#include "ui/main_window.h"
#include "ui/qt_ports.h"
#include "ui/qt_text.h"
#include "ui/quit_when_shown.h"

#include <QApplication>
#include <QIcon>

#include <memory>

#include <filesystem>
#include <string_view>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    // The program's name for the desktop (window class, task bar). No display
    // name: Qt would append it to every window caption, and the main window's
    // caption is "Parishfm" alone.
    QApplication::setApplicationName(ui::toQt(app::msg::kApplicationTitle));

    // --my-tools (or STEEPLEWATCHER_MY_TOOLS=1) shows the maintainer's menu;
    // --quit-when-shown ends the program once its main window is on the screen.
    bool myToolsOption = false, quitWhenShownOption = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view option(argv[i]);
        myToolsOption = myToolsOption || option == "--my-tools";
        quitWhenShownOption = quitWhenShownOption || option == ui::kQuitWhenShownOption;
    }
    // The splash is painted at once and stays while the windows are made; a
    // start that is ready closes it straight away.
    auto splash = std::make_unique<ui::SplashScreen>();
    splash->show();
    QApplication::processEvents();
    QApplication::setWindowIcon(QIcon(ui::steeplePicture(QSize(96, 136))));

    // Every data and report file lives in the directory current at start.
    ui::QtPorts ports(nullptr);
    ui::Desktop desktop(ports.dialogs, ports.feedback, ports.platform, std::filesystem::current_path(),
                        app::mapHostSetting(), app::myToolsSetting(myToolsOption));
    ports.dialogs.setParent(&desktop.mainWindow());
    splash.reset();
    if (quitWhenShownOption)
        ui::quitWhenShown(desktop.mainWindow());
    desktop.start();
    // Without its data file the program has said so and ends, asking nothing.
    if (desktop.ended())
        return 0;
    return QApplication::exec();
}
