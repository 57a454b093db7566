// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A window's core and the description of its controls.
//
// Each window's core owns one list of its controls: name, kind, caption and
// hint, where its text or state lives in the core's view, the command it runs
// and what leaving it does. The Qt window base builds and binds its widgets
// from that list, and the headless driver reaches every control through it,
// so a new window needs its core, this list and its Qt layout, nothing else.
//
//     core (view + commands) --controls()--> Qt window base  (widgets, layout)
//                                       \--> driver          (set, click, dump)
//     core --Ports::screen--> windows shown, hidden, boxes repainted mid-command
#include "app/dispatcher.h"
#include "app/ports.h"

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace plot {
struct Drawing;
}
namespace richtext {
struct Document;
}

namespace app {

enum class Key { Home, End, Up, Down, PageUp, PageDown, Other };

enum class ControlKind {
    Label, // static text
    Group, // a frame holding other controls: a captioned group box, or a plain panel
    Edit, // one-line box the person types in
    ReadOnlyEdit, // one-line box the commands fill
    ComboBox, // edit box with a list of items
    TextView, // lines the commands fill
    TextEdit, // lines the commands fill and the person may edit
    CheckBox,
    RadioButton, // exclusive among the radio buttons of its group (parent)
    Button,
    Menu, // a drop-down menu of the menu bar
    MenuItem, // a command of a menu, or on the bar itself when it has no parent
    Separator,
    Picture, // a drawing the commands make, shown at its size with scroll bars
    RichText, // a formatted document, read only; its paragraphs as lines for plain views
};

struct Control {
    std::string_view name;
    ControlKind kind;
    std::string_view caption = {}; // caption or design text, with accelerator markup ("&&" shows "&")
    std::string_view hint = {};
    std::string_view parent = {}; // the group or menu the control sits in
    std::string* text = nullptr; // Edit, ReadOnlyEdit, ComboBox; a Label whose text the commands set
    std::vector<std::string>* lines = nullptr; // TextView, TextEdit; a ComboBox's items
    int* itemIndex = nullptr; // a ComboBox's selected item, -1 for none
    bool* checked = nullptr; // CheckBox, RadioButton
    std::shared_ptr<const plot::Drawing>* picture = nullptr; // Picture; null until one is made
    std::shared_ptr<const richtext::Document>* document = nullptr; // RichText; null until one is loaded
    std::function<void()> onClick = {}; // Button, MenuItem; empty while its command is not built
    std::function<void()> onExit = {}; // the control loses the focus
    bool visible = true; // false for a menu nothing shows
    int maxLength = 0; // an edit box's typed-length limit; 0 for none
};

class Window {
public:
    Window(std::string_view name, std::string_view caption, Ports ports, Dispatcher& dispatcher);
    virtual ~Window() = default;
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    // The object name ("ParListFm") and the title bar's caption.
    std::string_view name() const { return name_; }
    std::string_view caption() const { return caption_; }
    // The title bar's text as the commands last set it.
    const std::vector<Control>& controls() const { return controls_; }
    // The control of that name, or null.
    const Control* control(std::string_view name) const;

    bool visible() const { return visible_; }
    // A modal window takes every command while it is on screen.
    virtual bool modal() const { return false; }
    // The button that closes a modal window.
    virtual std::string_view closeButton() const { return {}; }
    // True when the window's keys go to keyDown before its controls (key preview).
    virtual bool previewsKeys() const { return false; }
    virtual void keyDown(Key) {}
    // The person closes the window with its close box; true when it may close.
    virtual bool closeQuery();

    // The control that has the focus ("" for none), as the person or a command left it.
    const std::string& focus() const { return focus_; }
    // Focus moves that carry behaviour: leaving a control runs its exit handler,
    // whether a command or the person moves the focus.
    void moveFocus(std::string_view to);
    void leaveControl(std::string_view control);
    // The person put the focus on a control (no handler runs).
    void setFocus(std::string_view control) { focus_ = control; }

    Dispatcher& dispatcher() { return dispatcher_; }

    // Gives a button or menu item its command, where the program puts its
    // windows together (a menu item that opens another window).
    void setCommand(std::string_view control, std::function<void()> onClick);

protected:
    // Comes on screen (or to the front); from hidden it runs onShow first.
    void show();
    void hide();
    // What the window does each time it comes on screen from hidden.
    virtual void onShow() {}
    void repaint(std::string_view control) { ports_.screen.repaint(*this, control); }
    void setCaption(std::string caption) { caption_ = std::move(caption); }

    Ports ports_;
    std::vector<Control> controls_;

private:
    std::string_view name_;
    std::string caption_;
    Dispatcher& dispatcher_;
    bool visible_ = false;
    std::string focus_;
};

} // namespace app
