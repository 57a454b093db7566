#pragma once
// Runs another program of the build and collects what it printed.
#include <filesystem>
#include <string>
#include <vector>

namespace testsupport {

struct ProgramRun {
    std::string out;
    std::string err;
    int status = -1; // the exit status; 128 + the signal number when it was killed
};

// Runs program with args in workingDirectory, standard input read from input.
ProgramRun runProgram(const std::filesystem::path& program, const std::vector<std::string>& args,
                      const std::filesystem::path& workingDirectory, const std::filesystem::path& input);

} // namespace testsupport
