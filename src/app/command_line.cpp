// SPDX-License-Identifier: GPL-3.0-or-later
#include "command_line.h"

#include <iostream>
#include <string_view>
#include <vector>

namespace app {
namespace {

constexpr std::string_view kProgram = "steeplewatcher";
constexpr std::string_view kDriver = "steeplewatcher-script";

constexpr std::string_view kProgramHelp =
    "Usage: steeplewatcher [OPTION]... [DIRECTORY]\n"
    "Find the parishes of Great Britain and Ireland, and keep their data file.\n"
    "\n"
    "The program works in DIRECTORY when one is given, else in the current\n"
    "directory when it holds Parishes.Dat, else in\n"
    "$XDG_DATA_HOME/steeplewatcher (~/.local/share/steeplewatcher), which is given\n"
    "the shipped data files it lacks at every start; a file already there is\n"
    "never overwritten.\n"
    "\n"
    "      --my-tools         show the maintainer's menu \"My Tools\"\n"
    "      --quit-when-shown  end once the main window has been shown (for timing)\n"
    "      --help             display this help and exit\n"
    "      --version          output version information and exit\n"
    "\n"
    "Qt's options (-platform NAME, -style NAME, ...) are taken too.\n"
    "Environment: STEEPLEWATCHER_DRIVE_A (the back-up folder),\n"
    "STEEPLEWATCHER_MAP_HOST (the street map's host), STEEPLEWATCHER_MY_TOOLS=1.\n"
    "Full documentation: man steeplewatcher\n";

constexpr std::string_view kDriverHelp =
    "Usage: steeplewatcher-script [OPTION]... [SCRIPT]\n"
    "Run Steeplewatcher's commands from SCRIPT (standard input when none is given)\n"
    "with no window, and print what a person would have seen.\n"
    "\n"
    "The working directory is the current directory, or the one given by\n"
    "--directory; --user-data chooses it as the program does.\n"
    "\n"
    "  -C, --directory=DIR  work in DIR as it is\n"
    "      --user-data      work in the current directory when it holds\n"
    "                         Parishes.Dat, else in $XDG_DATA_HOME/steeplewatcher\n"
    "                         (~/.local/share/steeplewatcher), given the shipped\n"
    "                         data files it lacks\n"
    "      --help           display this help and exit\n"
    "      --version        output version information and exit\n"
    "\n"
    "Exit status: 0 when the script ran to its end, 2 for a script error,\n"
    "3 when a box appeared with no answer queued, 4 when answers were left over.\n"
    "The script language: man steeplewatcher-script\n";

std::string versionText(std::string_view program)
{
    return std::string(program)
           + " (Steeplewatcher) " SW_VERSION "\n"
             "Copyright (C) 2026 The Steeplewatcher developers.\n"
             "License GPLv3+: GNU GPL version 3 or later <https://gnu.org/licenses/gpl.html>.\n"
             "This is free software: you are free to change and redistribute it.\n"
             "There is NO WARRANTY, to the extent permitted by law.\n";
}

StartOptions finished(StartAction action, std::string text)
{
    StartOptions options;
    options.action = action;
    options.text = std::move(text);
    return options;
}

StartOptions refusal(std::string_view program, const std::string& complaint)
{
    return finished(StartAction::Refuse, std::string(program) + ": " + complaint + "\nTry '" + std::string(program)
                                             + " --help' for more information.\n");
}

// What the two programs share: --help and --version win over anything else;
// then each argument in order. takeOption handles an option of the program's
// own and says whether it knew it; the first operand goes to operand.
template <typename TakeOption>
StartOptions read(std::span<char* const> args, std::string_view program, std::string_view help,
                  std::optional<std::string> StartOptions::*operand, TakeOption takeOption)
{
    std::vector<std::string_view> words;
    for (std::size_t i = 1; i < args.size(); ++i)
        words.emplace_back(args[i]);
    for (std::string_view word : words) {
        if (word == "--")
            break;
        if (word == "--help")
            return finished(StartAction::ShowHelp, std::string(help));
        if (word == "--version")
            return finished(StartAction::ShowVersion, versionText(program));
    }
    StartOptions options;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string_view word = words[i];
        if (!optionsEnded && word == "--") {
            optionsEnded = true;
        } else if (!optionsEnded && word.size() > 1 && word.front() == '-') {
            std::string complaint;
            if (!takeOption(options, words, i, complaint)) {
                if (complaint.empty())
                    complaint = word.starts_with("--") ? "unrecognized option '" + std::string(word) + "'"
                                                       : "invalid option -- '" + std::string(1, word[1]) + "'";
                return refusal(program, complaint);
            }
        } else if (options.*operand) {
            return refusal(program, "extra operand '" + std::string(word) + "'");
        } else {
            options.*operand = std::string(word);
        }
    }
    return options;
}

} // namespace

StartOptions readProgramCommandLine(std::span<char* const> args)
{
    return read(args, kProgram, kProgramHelp, &StartOptions::directory,
                [](StartOptions& options, const std::vector<std::string_view>& words, std::size_t i, std::string&) {
                    if (words[i] == "--my-tools")
                        options.myTools = true;
                    else if (words[i] == "--quit-when-shown")
                        options.quitWhenShown = true;
                    else
                        return false;
                    return true;
                });
}

StartOptions readDriverCommandLine(std::span<char* const> args)
{
    return read(
        args, kDriver, kDriverHelp, &StartOptions::script,
        [](StartOptions& options, const std::vector<std::string_view>& words, std::size_t& i, std::string& complaint) {
            std::string_view word = words[i];
            std::optional<std::string_view> value;
            if (word == "--user-data") {
                options.userData = true;
                return true;
            }
            if (word.starts_with("--directory=")) {
                value = word.substr(12);
            } else if (word.starts_with("-C") && word.size() > 2) {
                value = word.substr(2);
            } else if (word == "-C" || word == "--directory") {
                if (i + 1 == words.size()) {
                    complaint = word == "-C" ? "option requires an argument -- 'C'"
                                             : "option '--directory' requires an argument";
                    return false;
                }
                value = words[++i];
            } else {
                return false;
            }
            options.directory = std::string(*value);
            return true;
        });
}

int finishWithoutRunning(const StartOptions& options)
{
    if (options.action == StartAction::Refuse) {
        std::cerr << options.text << std::flush;
        return kUsageStatus;
    }
    std::cout << options.text << std::flush;
    return std::cout ? 0 : 1;
}

} // namespace app
