// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Runs a script's commands on the program's windows, as a person at them
// would: typing, clicking, pressing keys, answering boxes, looking. Every
// verb works on any window through its control list, so a new window needs
// nothing here.
#include "app/program.h"
#include "driver/script.h"
#include "driver/script_ports.h"

#include <filesystem>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace driver {

// The driver's exit statuses.
enum ExitStatus : int {
    kScriptRan = 0, // the script ran to its end, or the program ended
    kScriptFailed = 2, // a line that cannot run (printed to standard error)
    kDialogUnanswered = 3,
    kAnswersLeftOver = 4,
};

class ScriptRunner {
public:
    ScriptRunner(app::Program& program, ScriptPorts& ports);

    // Starts the program: the main window's start. Prints "end" when the
    // program ends there (no data file).
    void start();
    // Runs the commands in order, up to the last or until the program ends.
    // Throws ScriptError for a command that cannot run; lets the ports'
    // Unanswered and AnswerMismatch through. currentLine() tells where.
    void run(const std::vector<Command>& commands);
    int currentLine() const { return line_; }

    void operator()(const SetText& c);
    void operator()(const Click& c);
    void operator()(const PressKey& c);
    void operator()(const LeaveControl& c);
    void operator()(const Check& c);
    void operator()(const Pick& c);
    void operator()(const QueueAnswers& c);
    void operator()(const Dump& c);
    void operator()(const ShowState& c);
    void operator()(const Close& c);

private:
    // A script's name for a control: "Memo1" or "Parishfm.Memo1" on the main
    // window, "ParListFm.Scale" on another.
    struct Target {
        app::Window* window;
        std::string control; // without the window's name
        std::string shown; // as messages name it: the control alone on the main window
    };
    Target target(std::string_view scriptName);
    app::Window& form(std::string_view formName);
    // While a modal window is on screen, no other window can be reached.
    void requireReachable(const app::Window& window);
    // The control, or a script error naming what was asked for.
    const app::Control& control(const Target& t, std::string_view scriptName);
    void dispatch(const std::function<void()>& command);
    void dumpOne(const std::string& scriptName, const app::Control& control, bool items);

    app::Program& program_;
    ScriptPorts& ports_;
    int line_ = 0;
};

// The whole driver: reads the script, starts the program in workingDirectory,
// runs the script, writes the transcript to out and script errors to err.
// Returns the exit status.
int runSession(std::string_view script, const std::filesystem::path& workingDirectory, std::ostream& out,
               std::ostream& err);

} // namespace driver
