#pragma once
// The main window's core on a data file in a temporary folder, with the
// driver's scripted person recording every message and beep.
#include "app/parishfm.h"
#include "driver/script_ports.h"
#include "support/data_files.h"
#include "support/temp_dir.h"

#include <sstream>
#include <string>
#include <vector>

namespace apptest {

class CoreOnFile {
public:
    explicit CoreOnFile(const std::vector<records::ParishRecord>& records)
    {
        testsupport::writeDataFile(dir / "Parishes.Dat", records);
    }
    CoreOnFile() = default; // no data file

    // Creates the window's core and runs its start.
    app::Parishfm& start()
    {
        core = std::make_unique<app::Parishfm>(ports.ports(), dir.path());
        core->FormCreate();
        return *core;
    }
    // Runs a handler through the window's dispatcher.
    void run(void (app::Parishfm::*handler)()) { core->run(handler); }
    // The transcript lines since the last call.
    std::vector<std::string> events()
    {
        std::vector<std::string> lines;
        std::istringstream in(transcript.str());
        for (std::string line; std::getline(in, line);)
            lines.push_back(line);
        transcript.str("");
        return lines;
    }
    void answer(driver::Answer::Kind kind) { ports.answers().push_back({kind, {}}); }

    testsupport::TempDir dir;
    std::ostringstream transcript;
    driver::ScriptPorts ports{transcript};
    std::unique_ptr<app::Parishfm> core;
};

} // namespace apptest
