// SPDX-License-Identifier: GPL-3.0-or-later
#include "window.h"

namespace app {

Window::Window(std::string_view name, std::string_view caption, Ports ports, Dispatcher& dispatcher)
    : ports_(ports), name_(name), caption_(caption), dispatcher_(dispatcher)
{
}

const Control* Window::control(std::string_view name) const
{
    for (const Control& c : controls_)
        if (c.name == name)
            return &c;
    return nullptr;
}

void Window::setCommand(std::string_view name, std::function<void()> onClick)
{
    for (Control& c : controls_)
        if (c.name == name) {
            c.onClick = std::move(onClick);
            return;
        }
}

bool Window::closeQuery()
{
    hide();
    return true;
}

void Window::moveFocus(std::string_view to)
{
    if (focus_ != to && !focus_.empty())
        if (const Control* left = control(focus_); left && left->onExit)
            left->onExit();
    focus_ = to;
}

void Window::leaveControl(std::string_view name)
{
    if (focus_ == name)
        focus_.clear();
    if (const Control* left = control(name); left && left->onExit)
        left->onExit();
}

void Window::show()
{
    if (visible_) {
        ports_.screen.windowShown(*this); // to the front, as it is
        return;
    }
    visible_ = true;
    ports_.screen.windowShown(*this);
    dispatcher_.runPart([this] { onShow(); });
}

void Window::hide()
{
    visible_ = false;
    focus_.clear();
    ports_.screen.windowHidden(*this);
}

} // namespace app
