// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one way a person's command runs, whichever window it comes from: one
// command at a time, and an error the command does not handle ends that
// command only, shown in the general error box; the program then goes on.
#include "app/ports.h"

#include <functional>
#include <string>

namespace app {

// Thrown by a port to abandon the whole session rather than one command (the
// driver stops a script this way when a box has no answer). The dispatcher
// lets it through; nothing else passes.
struct SessionAbort {
    virtual ~SessionAbort() = default;
};

// The error text as the box shows it: a full stop is added when the last
// character sorts after the full stop (letters and digits among them).
std::string withFullStop(std::string text);

class Dispatcher {
public:
    explicit Dispatcher(Dialogs& dialogs) : dialogs_(dialogs) {}
    Dispatcher(const Dispatcher&) = delete;
    Dispatcher& operator=(const Dispatcher&) = delete;

    // Runs a command the person started. Refused (false) while another runs:
    // a message box's own event loop still delivers clicks and keys.
    bool dispatch(const std::function<void()>& command);
    // Runs part of a running command (a window the command shows) so that the
    // part's error is shown and the command goes on after it.
    void runPart(const std::function<void()>& part);
    bool busy() const { return busy_; }

private:
    void guarded(const std::function<void()>& command);

    Dialogs& dialogs_;
    bool busy_ = false;
};

} // namespace app
