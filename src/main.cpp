// SPDX-License-Identifier: GPL-3.0-or-later
// Steeplewatcher: a finding aid for the parishes of Great Britain and Ireland.
#include "app/command_line.h"
#include "app/developer_tools.h"
#include "app/map_commands.h"
#include "app/messages.h"
#include "app/start_directory.h"
#include "ui/desktop.h"
#include "ui/information_forms.h"
#include "ui/main_window.h"
#include "ui/qt_ports.h"
#include "ui/qt_text.h"
#include "ui/quit_when_shown.h"

#include <QApplication>
#include <QIcon>
#include <QMessageBox>

#include <filesystem>
#include <iostream>
#include <memory>
#include <span>

int main(int argc, char* argv[])
{
    // --help and --version are answered before Qt starts, so they need no display.
    const auto arguments = [&] { return std::span<char* const>(argv, static_cast<std::size_t>(argc)); };
    if (const auto early = app::readProgramCommandLine(arguments());
        early.action == app::StartAction::ShowHelp || early.action == app::StartAction::ShowVersion)
        return app::finishWithoutRunning(early);
    QApplication application(argc, argv);
    // The program's name for the desktop (window class, task bar). No display
    // name: Qt would append it to every window caption, and the main window's
    // caption is "Parishfm" alone.
    QApplication::setApplicationName(ui::toQt(app::msg::kApplicationTitle));
    // The installed desktop entry's name, so the desktop matches the windows to its icon.
    QApplication::setDesktopFileName(QStringLiteral("org.steeplewatcher.steeplewatcher"));

    // Qt has taken out the options it knows (-platform, -style ...); the rest are the program's.
    // --my-tools (or STEEPLEWATCHER_MY_TOOLS=1) shows the maintainer's menu;
    // --quit-when-shown ends the program once its main window is on the screen.
    const app::StartOptions options = app::readProgramCommandLine(arguments());
    if (options.action != app::StartAction::Run)
        return app::finishWithoutRunning(options);
    std::filesystem::path workingDirectory;
    try {
        const app::WorkingDirectory work = app::enterWorkingDirectory(options.directory);
        for (const std::string& problem : work.problems)
            std::cerr << "steeplewatcher: " << problem << '\n';
        workingDirectory = work.path;
    } catch (const app::StartError& e) {
        std::cerr << "steeplewatcher: " << e.what() << '\n';
        QMessageBox::critical(nullptr, ui::toQt(app::msg::kApplicationTitle), QString::fromStdString(e.what()));
        return 1;
    }
    // The splash is painted at once and stays while the windows are made; a
    // start that is ready closes it straight away.
    auto splash = std::make_unique<ui::SplashScreen>();
    splash->show();
    QApplication::processEvents();
    QApplication::setWindowIcon(QIcon(ui::steeplePicture(QSize(96, 136))));

    // Every data and report file lives in the working directory.
    ui::QtPorts ports(nullptr);
    ui::Desktop desktop(ports.dialogs, ports.feedback, ports.platform, workingDirectory, app::mapHostSetting(),
                        app::myToolsSetting(options.myTools));
    ports.dialogs.setParent(&desktop.mainWindow());
    splash.reset();
    if (options.quitWhenShown)
        ui::quitWhenShown(desktop.mainWindow());
    desktop.start();
    // Without its data file the program has said so and ends, asking nothing.
    if (desktop.ended())
        return 0;
    return QApplication::exec();
}
