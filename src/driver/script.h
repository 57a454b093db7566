#pragma once
// A script of the headless driver, read and checked for form: one command per
// script line, with the texts already turned into the program's cp1252 bytes.
// Names of controls are kept as written; they are resolved when the command runs.
#include "app/window.h"
#include "driver/script_ports.h"

#include <cstddef>
#include <string>
#include <variant>
#include <vector>

namespace driver {

// set CONTROL TEXT
struct SetText {
    std::string control;
    std::string text;
};
// click NAME
struct Click {
    std::string name;
};
// key KEY, or key FORM KEY (form empty for the main window)
struct PressKey {
    std::string form;
    app::Key key;
};
// exit CONTROL
struct LeaveControl {
    std::string control;
};
// check CONTROL on|off
struct Check {
    std::string control;
    bool on;
};
// pick CONTROL INDEX|TEXT
struct Pick {
    std::string control;
    std::variant<std::size_t, std::string> item;
};
// answer ANSWER...
struct QueueAnswers {
    std::vector<Answer> answers;
};
// dump CONTROL...
struct Dump {
    std::vector<std::string> controls;
};
// state
struct ShowState {};
// close
struct Close {};

using Action = std::variant<SetText, Click, PressKey, LeaveControl, Check, Pick, QueueAnswers, Dump, ShowState, Close>;

struct Command {
    int line; // 1-based line of the script
    Action action;
};

// A script that cannot be run as written; the driver prints "line N: message".
struct ScriptError {
    int line;
    std::string message;
};

} // namespace driver
