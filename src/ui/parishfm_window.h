#pragma once
// TParishfm: the main window. It lays out its controls and menu, forwards
// every command, key and close to the core (app::Parishfm), and mirrors the
// core's box texts in its widgets. It never decides what a command does.
#include "app/parishfm.h"
#include "app/ports.h"
#include "ui/parishfm_controls.h"

#include <QMainWindow>

#include <filesystem>
#include <functional>
#include <memory>
#include <string_view>

namespace ui {

class KeyPreview;
struct QtPorts;

class TParishfm : public QMainWindow {
    Q_OBJECT
public:
    // With the desktop's message boxes, beep, hourglass and program end.
    explicit TParishfm(const std::filesystem::path& workingDirectory, QWidget* parent = nullptr);
    // With the given ports: tests answer the dialogs and count the beeps.
    TParishfm(const std::filesystem::path& workingDirectory, app::Dialogs& dialogs, app::Feedback& feedback,
              app::Platform& platform, QWidget* parent = nullptr);
    ~TParishfm() override;

    app::Parishfm& core() { return *core_; }

    // Runs one command as every button, menu item, navigation key and close
    // does: the boxes the user edits go to the core, the command runs (an
    // error it lets out is shown in the general error box), and every box the
    // core changed is shown. One command at a time.
    void dispatch(const std::function<void(app::Parishfm&)>& command);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // The feedback the core sees: beep and hourglass go to the given port;
    // repainting a box shows its current text at once.
    class BoxFeedback : public app::Feedback {
    public:
        BoxFeedback(TParishfm& window, app::Feedback& inner) : window_(window), inner_(inner) {}
        void beep() override { inner_.beep(); }
        void setBusy(bool busy) override { inner_.setBusy(busy); }
        void repaint(std::string_view control) override;

    private:
        TParishfm& window_;
        app::Feedback& inner_;
    };

    void build(const std::filesystem::path& workingDirectory);
    void runCommand(std::string_view control);
    void pullFromWidgets();
    void pushToWidgets(bool all);
    // Shows one box's text now; false for a name that is not a box.
    bool pushBox(std::string_view control, bool all);
    void pushSearchBox(bool all);
    void pushFocus();
    // The box a widget belongs to (the search box's own editor counts as the search box).
    app::Focus boxOf(const QWidget* widget) const;
    void focusChanged(QWidget* old, QWidget* now);

    std::unique_ptr<QtPorts> qtPorts_; // only when no ports are given
    app::Dialogs& dialogs_;
    BoxFeedback feedback_;
    app::Platform& platform_;
    ParishfmControls controls_;
    std::unique_ptr<app::Parishfm> core_;
    app::ParishfmView shown_; // what the widgets show
    KeyPreview* keyPreview_ = nullptr;
    bool dispatching_ = false;
    bool mayClose_ = false;
    bool inCloseEvent_ = false;
};

} // namespace ui
