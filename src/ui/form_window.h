// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one Qt window base. It makes a widget for every control its core
// describes (object name, caption, hint, state), and runs every command of
// the window the same way:
//
//     person's event -> pull the edited boxes into the core
//                    -> the core's command, through the shared dispatcher
//                       (one at a time; any error shown in the general error box)
//                    -> every window shows its core's view again
//
// A window of its own only lays the widgets out (layouts, fonts, colours).
#include "app/window.h"

#include <QWidget>

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class QMenuBar;

namespace ui {

class Desktop;
class KeyPreview;

// How long a control's hint stays up.
inline constexpr int kHintMilliseconds = 5000;

class FormWindow : public QWidget {
    Q_OBJECT
public:
    FormWindow(app::Window& core, Desktop& desktop, Qt::WindowFlags flags = Qt::Window);
    ~FormWindow() override;

    app::Window& core() { return core_; }
    // The widget made for a control; null for another name or a menu entry.
    QWidget* widget(std::string_view control) const;
    template <typename W> W* widgetAs(std::string_view control) const { return qobject_cast<W*>(widget(control)); }
    // The menu bar made from the menu entries; null when the window has none.
    QMenuBar* menuBar() const { return menuBar_; }

    // Runs a command of this window as every button, menu item, key and close
    // does. False when refused because another command is running.
    bool dispatch(const std::function<void()>& command);
    // Presses a button or chooses a menu item by name, when its command is available.
    void click(std::string_view control);
    // Shows the core's view: the controls whose state changed, or all of them.
    void push(bool all = false);
    // Shows one control's state now.
    void pushControl(std::string_view control);

protected:
    void closeEvent(QCloseEvent* event) override;
    // The size and place the window had when last hidden, in this run or an
    // earlier one; else centred on the screen, when asked for. A window that
    // opens maximised does so each time it is shown.
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void centreWhenShown() { centred_ = true; }
    void maximiseWhenShown() { maximised_ = true; }

private:
    struct Bound {
        const app::Control* control;
        QWidget* widget;
        // What the widget shows, as the core last gave it or the person left it.
        std::string text = {};
        std::vector<std::string> lines = {};
        int itemIndex = -1;
        bool checked = false;
        std::shared_ptr<const plot::Drawing> picture = {};
        std::shared_ptr<const richtext::Document> document = {};
    };

    void build();
    void buildMenu();
    void keepWrappedTextWhole();
    void pull();
    void pushBound(Bound& b, bool all);
    void pushFocus(bool all);
    // The control a widget belongs to ("" for none); a combo box's own editor counts as the box.
    std::string_view controlOf(const QWidget* widget) const;
    void focusChanged(QWidget* old, QWidget* now);

    app::Window& core_;
    Desktop& desktop_;
    std::vector<Bound> bound_;
    QMenuBar* menuBar_ = nullptr;
    KeyPreview* keyPreview_ = nullptr;
    std::string shownFocus_;
    std::string shownCaption_;
    bool closing_ = false;
    bool centred_ = false;
    bool maximised_ = false;
    bool placed_ = false; // the remembered size and place were looked up

    friend class Desktop;
};

} // namespace ui
