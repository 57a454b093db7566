// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's cores on files in a temporary folder, with a faked person.
// Controls are reached by name through the windows' control lists, as the
// Qt windows and the driver reach them.
#include "app/program.h"
#include "support/data_files.h"
#include "support/fake_person.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace apptest {

using Kind = testsupport::Shown::Kind;
using Lines = std::vector<std::string>;

class Session {
public:
    explicit Session(const std::vector<records::ParishRecord>& records)
    {
        testsupport::writeDataFile(dir / "Parishes.Dat", records);
        // The read-me the program shows at start, so that its absence is not said every time.
        testsupport::writeBytes(dir / "ReadMe.rtf", "{\\rtf1 Read me.\\par}");
    }
    Session() = default; // no data file

    // Makes the program and starts it, as the person does; myTools shows the maintainer's menu.
    app::Parishfm& start(bool myTools = false)
    {
        program = std::make_unique<app::Program>(person.ports(), dir.path(), "maps.example.org", myTools);
        program->start();
        return program->mainWindow();
    }
    app::Window& window(std::string_view form = "Parishfm") { return *program->window(form); }
    const app::Control& control(std::string_view name, std::string_view form = "Parishfm")
    {
        const app::Control* c = window(form).control(name);
        EXPECT_NE(c, nullptr) << name;
        return *c;
    }
    void set(std::string_view name, std::string text) { *control(name).text = std::move(text); }
    Lines lines(std::string_view name, std::string_view form = "Parishfm") { return *control(name, form).lines; }
    void click(std::string_view name, std::string_view form = "Parishfm")
    {
        const app::Control& c = control(name, form);
        ASSERT_TRUE(c.onClick) << name << " is not available";
        program->dispatcher().dispatch(c.onClick);
    }
    // Finds record n by its number, as typing it and pressing Find First does.
    void goTo(int n)
    {
        set("TarPar", std::to_string(n));
        click("FindFirst");
    }
    std::string file(std::string_view name) { return testsupport::readBytes(dir / name); }

    testsupport::TempDir dir;
    testsupport::FakePerson person;
    std::unique_ptr<app::Program> program;
};

} // namespace apptest
