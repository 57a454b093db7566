// steeplewatcher-script [SCRIPT]: runs the program headless from a script
// (standard input when none is given) in the current directory.
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
    if (argc == 2) {
        std::ifstream in(argv[1], std::ios::binary);
        if (!in) {
            std::cerr << "steeplewatcher-script: cannot read " << argv[1] << ": " << std::strerror(errno) << '\n';
            return driver::kScriptFailed;
        }
        script.assign(std::istreambuf_iterator<char>(in), {});
    } else {
        script.assign(std::istreambuf_iterator<char>(std::cin), {});
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
