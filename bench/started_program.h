#pragma once
// What the benchmark programs share: how many records to generate, and the
// program after start with a person who sees and hears nothing, its commands
// reached as a person reaches them, through the windows' controls.
#include "app/program.h"
#include "driver/script_ports.h"

#include <cstdlib>
#include <filesystem>
#include <ostream>
#include <string>
#include <string_view>

namespace bench {

// 30,000 records, or as many as STEEPLEWATCHER_BENCH_RECORDS says (300000
// shows how each cost grows with the file).
inline int recordsWanted()
{
    const char* wanted = std::getenv("STEEPLEWATCHER_BENCH_RECORDS");
    const int n = wanted != nullptr ? std::atoi(wanted) : 0;
    return n > 1000 ? n : 30000;
}

struct StartedProgram {
    explicit StartedProgram(const std::filesystem::path& folder) : program(person.ports(), folder, "localhost")
    {
        program.start();
    }
    void set(std::string_view control, std::string text) { *core.control(control)->text = std::move(text); }
    void click(app::Window& window, std::string_view control)
    {
        program.dispatcher().dispatch(window.control(control)->onClick);
    }
    void click(std::string_view control) { click(core, control); }
    void answerYes() { person.answers().push_back({driver::Answer::Kind::Yes, {}}); }
    // Closes the report viewer, so the next report is loaded again.
    void closeViewer() { click(*program.window("ParListFm"), "Close"); }

    std::ostream nowhere{nullptr};
    driver::ScriptPorts person{nowhere};
    app::Program program;
    app::Parishfm& core = program.mainWindow();
};

} // namespace bench
