// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program on the desktop: the windows' cores and their Qt windows, made
// once each in the program's order, and the screen the cores talk to. The
// windows whose cores are not built yet are plain hidden frames with their
// names and captions.
#include "app/ports.h"
#include "app/program.h"

#include <QWidget>

#include <filesystem>
#include <memory>
#include <string_view>
#include <vector>

namespace ui {

class FormWindow;
class MainWindow;

class Desktop : public app::Screen {
public:
    // The ports are the desktop's own (QtPorts) or a test's fake person;
    // myTools shows the maintainer's menu.
    Desktop(app::Dialogs& dialogs, app::Feedback& feedback, app::Platform& platform,
            const std::filesystem::path& workingDirectory, std::string mapHost, bool myTools = false);
    ~Desktop() override;

    app::Program& program() { return *program_; }
    MainWindow& mainWindow() { return *main_; }
    // The program's top-level window of that object name, or null.
    QWidget* window(std::string_view formName) const;
    FormWindow* formWindow(const app::Window& core) const;

    // Starts the program: the main window's start, then the window on screen
    // unless the program ended there.
    void start();
    bool ended() const { return program_->ended(); }

    void windowShown(const app::Window& window) override;
    void windowHidden(const app::Window& window) override;
    void repaint(const app::Window& window, std::string_view control) override;

private:
    friend class FormWindow;
    void add(FormWindow& window) { windows_.push_back(&window); }
    void remove(FormWindow& window);
    // After every command: every window shows its core's view; when the
    // program ended, every window closes.
    void commandEnded();

    std::unique_ptr<app::Program> program_;
    std::vector<FormWindow*> windows_; // every window with a core
    std::vector<std::unique_ptr<QWidget>> owned_; // in the program's order
    MainWindow* main_ = nullptr;
};

} // namespace ui
