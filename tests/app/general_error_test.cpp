#include "app/general_error.h"
#include "driver/script_ports.h"
#include "text/io_error.h"

#include <gtest/gtest.h>
#include <sstream>

TEST(GeneralError, AddsAFullStopOnlyAfterCharactersThatSortAfterIt)
{
    struct Case {
        const char* in;
        const char* out;
    };
    const Case cases[] = {
        {"Read beyond end of file", "Read beyond end of file."},
        {"I/O error 5", "I/O error 5."},
        {"Done.", "Done."},
        {"Really?", "Really?."}, // '?' sorts after '.'
        {"Stop!", "Stop!"}, // '!' sorts before '.'
        {"Path -", "Path -"},
        {"Disk full)", "Disk full)"},
        {"a/", "a/."},
        {"", ""},
        {"R\xE9sum\xE9", "R\xE9sum\xE9."}, // accented letters too
    };
    for (const auto& c : cases)
        EXPECT_EQ(app::withFullStop(c.in), c.out) << c.in;
}

TEST(GeneralError, ShowsTheErrorAndLetsTheCallerGoOn)
{
    std::ostringstream transcript;
    driver::ScriptPorts ports(transcript);
    bool ranAfter = false;
    app::runCommand(ports, [] { throw text::IoError("Disk full"); });
    app::runCommand(ports, [&] { ranAfter = true; });
    EXPECT_EQ(transcript.str(), "error \"Disk full.\"\n");
    EXPECT_TRUE(ranAfter);
}
