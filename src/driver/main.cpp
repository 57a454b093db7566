// steeplewatcher-script [OPTION]... [SCRIPT]: runs the program headless from a
// script (standard input when none is given) in the working directory.
#include "app/command_line.h"
#include "app/start_directory.h"
#include "driver/script_reader.h"
#include "driver/script_runner.h"
#include "render/picture.h"

#include <cerrno>
#include <cstring>
#include <exception>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <span>

int main(int argc, char** argv)
{
    const app::StartOptions options =
        app::readDriverCommandLine(std::span<char* const>(argv, static_cast<std::size_t>(argc)));
    if (options.action != app::StartAction::Run)
        return app::finishWithoutRunning(options);
    std::string script;
    const std::string source = options.script.value_or("standard input");
    std::error_code ec;
    if (options.script && std::filesystem::is_directory(*options.script, ec)) {
        std::cerr << "steeplewatcher-script: cannot read " << source << ": " << std::strerror(EISDIR) << '\n';
        return driver::kScriptFailed;
    }
    std::ifstream file;
    if (options.script) {
        file.open(*options.script, std::ios::binary);
        if (!file) {
            std::cerr << "steeplewatcher-script: cannot read " << source << ": " << std::strerror(errno) << '\n';
            return driver::kScriptFailed;
        }
    }
    std::istream& in = options.script ? file : std::cin;
    // Read in blocks up to the largest script; a read error is a script error, not an abort.
    try {
        char block[65536];
        while (in.read(block, sizeof block) || in.gcount() > 0) {
            script.append(block, static_cast<std::size_t>(in.gcount()));
            if (script.size() > driver::kLargestScript) {
                std::cerr << "steeplewatcher-script: " << source << " is larger than "
                          << driver::kLargestScript / (std::size_t{1024} * 1024) << " MB\n";
                return driver::kScriptFailed;
            }
        }
    } catch (const std::exception&) {
        std::cerr << "steeplewatcher-script: cannot read " << source << '\n';
        return driver::kScriptFailed;
    }
    if (in.bad()) {
        std::cerr << "steeplewatcher-script: cannot read " << source << '\n';
        return driver::kScriptFailed;
    }
    // The script is read before the working directory is entered: a relative SCRIPT names a file of the
    // directory the driver was started in.
    std::filesystem::path workingDirectory;
    try {
        // The current directory unless told otherwise, whatever it holds: a
        // missing Parishes.Dat is the program's own message, as in any directory.
        const app::WorkingDirectory work =
            app::enterWorkingDirectory(options.userData ? options.directory : options.directory.value_or("."));
        for (const std::string& problem : work.problems)
            std::cerr << "steeplewatcher-script: " << problem << '\n';
        workingDirectory = work.path;
    } catch (const app::StartError& e) {
        std::cerr << "steeplewatcher-script: " << e.what() << '\n';
        return driver::kScriptFailed;
    }
    int status = 1;
    try {
        status = driver::runSession(script, workingDirectory, std::cout, std::cerr);
    } catch (const std::exception& e) {
        std::cerr << "steeplewatcher-script: " << e.what() << '\n';
    }
    // A plot made the painter's application; it ends before the program.
    render::endGuiApplication();
    return status;
}
