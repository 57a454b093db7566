// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The command lines of the two programs, read the GNU way: --help and
// --version print their text and end the run whatever else is given, "--"
// ends the options, and a wrong option is named with a pointer to --help.
// The mains only act on what comes back, so adding a switch is one line here.
#include <optional>
#include <span>
#include <string>

namespace app {

enum class StartAction {
    Run,
    ShowHelp, // print text to standard output, exit 0
    ShowVersion, // likewise
    Refuse, // print text to standard error, exit kUsageStatus
};

inline constexpr int kUsageStatus = 2;

struct StartOptions {
    StartAction action = StartAction::Run;
    std::string text; // the help, the version or the refusal, ending in a newline
    bool myTools = false; // --my-tools (the program)
    bool quitWhenShown = false; // --quit-when-shown (the program, for the start-up benchmark)
    bool userData = false; // --user-data (the driver)
    std::optional<std::string> directory; // the program's DIRECTORY, the driver's --directory
    std::optional<std::string> script; // the driver's SCRIPT
};

// steeplewatcher [OPTION]... [DIRECTORY]; args[0] is the program's name.
StartOptions readProgramCommandLine(std::span<char* const> args);
// steeplewatcher-script [OPTION]... [SCRIPT]
StartOptions readDriverCommandLine(std::span<char* const> args);

// Prints the help or the version to standard output, or the refusal to
// standard error, and returns the exit status: for every action but Run.
int finishWithoutRunning(const StartOptions& options);

} // namespace app
