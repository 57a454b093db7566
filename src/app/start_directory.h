// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the program and the driver work. A directory the person names is used
// as it is; so is the current directory when it already holds Parishes.Dat.
// Otherwise the per-user directory $XDG_DATA_HOME/steeplewatcher is used, and
// at every start it is given each shipped data file it lacks. A file that is
// there, in any letter case, is never overwritten: it is the person's data.
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace app {

// A start that cannot go on: the text says why, without the program's name.
class StartError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// $XDG_DATA_HOME/steeplewatcher when that variable is an absolute path (the
// freedesktop rule), else $HOME/.local/share/steeplewatcher. Either may be
// null; StartError when there is neither.
std::filesystem::path userDataDirectory(const char* xdgDataHome, const char* home);

// The shipped data of an installed program: share/steeplewatcher beside the
// folder that holds the executable (bin), wherever the two were installed.
std::filesystem::path shippedDataDirectory(const std::filesystem::path& executable);

// Copies into work every regular file of shipped that work lacks, in name
// order, and returns their names. Each copy is written to a temporary file
// and linked into place only when no file of that name has appeared since, so
// an interrupted copy never leaves a part file under the real name. Creates
// work when missing. Throws text::IoError ("Cannot copy NAME: Disk full").
std::vector<std::string> fillWorkingDirectory(const std::filesystem::path& shipped, const std::filesystem::path& work);

struct WorkingDirectory {
    std::filesystem::path path; // absolute
    std::vector<std::string> copied; // the shipped files given to it this start
    std::vector<std::string> problems; // what could not be done, for standard error
};

struct StartPlaces {
    std::optional<std::string> given; // named on the command line
    std::filesystem::path current; // the current directory
    std::filesystem::path user; // userDataDirectory()
    std::filesystem::path shipped; // shippedDataDirectory()
};

// Chooses and prepares the working directory. A named directory that does not
// exist, and a per-user one that cannot be made, are StartErrors; a shipped
// file that cannot be copied is a problem, and the start goes on.
WorkingDirectory prepareWorkingDirectory(const StartPlaces& places);

// The places of this process: its executable (/proc/self/exe), the
// environment and the current directory.
StartPlaces startPlaces(std::optional<std::string> given);

// prepareWorkingDirectory() on startPlaces(), then makes the chosen directory
// the current one, as every file the program reads or writes lives there.
// Any failure is a StartError.
WorkingDirectory enterWorkingDirectory(std::optional<std::string> given);

} // namespace app
