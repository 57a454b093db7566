#pragma once
// Runs a script's commands on the main window's core, as a person at the
// window would: typing, clicking, pressing keys, answering boxes, looking.
#include "app/parishfm.h"
#include "driver/script.h"
#include "driver/script_ports.h"

#include <filesystem>
#include <ostream>
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
    ScriptRunner(app::Parishfm& core, ScriptPorts& ports);

    // Starts the program: the main window's FormCreate. Prints "end" when the
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
    // True for any control of the main window a person can reach.
    bool isControl(const std::string& name);
    void dumpOne(const std::string& scriptName, const std::string& control);
    app::ParListFm& viewer() { return core_.parListFm(); }
    app::Mapfm& mapWindow() { return core_.mapFm(); }
    // While the map sheet window is on screen it is modal: a name of
    // another window cannot be reached.
    void requireReachable(const std::string& scriptName);
    // The map sheet window's part of the commands; false for a name of another window.
    bool clickOnMap(const std::string& scriptName);
    bool refuseOnMap(const std::string& scriptName, std::string_view what);

    app::Parishfm& core_;
    ScriptPorts& ports_;
    int line_ = 0;
};

// The whole driver: reads the script, starts the program in workingDirectory,
// runs the script, writes the transcript to out and script errors to err.
// Returns the exit status.
int runSession(std::string_view script, const std::filesystem::path& workingDirectory, std::ostream& out,
               std::ostream& err);

} // namespace driver
