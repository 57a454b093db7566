// steeplewatcher-script [SCRIPT]: runs the program headless from a script
// (standard input when none is given) in the current directory.
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

int main(int argc, char** argv)
{
    if (argc > 2) {
        std::cerr << "usage: steeplewatcher-script [SCRIPT]\n";
        return driver::kScriptFailed;
    }
    std::string script;
    const std::string source = argc == 2 ? argv[1] : "standard input";
    std::error_code ec;
    if (argc == 2 && std::filesystem::is_directory(argv[1], ec)) {
        std::cerr << "steeplewatcher-script: cannot read " << source << ": " << std::strerror(EISDIR) << '\n';
        return driver::kScriptFailed;
    }
    std::ifstream file;
    if (argc == 2) {
        file.open(argv[1], std::ios::binary);
        if (!file) {
            std::cerr << "steeplewatcher-script: cannot read " << source << ": " << std::strerror(errno) << '\n';
            return driver::kScriptFailed;
        }
    }
    std::istream& in = argc == 2 ? file : std::cin;
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
    int status = 1;
    try {
        status = driver::runSession(script, std::filesystem::current_path(), std::cout, std::cerr);
    } catch (const std::exception& e) {
        std::cerr << "steeplewatcher-script: " << e.what() << '\n';
    }
    // A plot made the painter's application; it ends before the program.
    render::endGuiApplication();
    return status;
}
