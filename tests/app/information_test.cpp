// SPDX-License-Identifier: GPL-3.0-or-later
// The About window's memory figures from /proc/meminfo, in 64 bits.
#include "app/about_windows.h"
#include "session.h"

#include <gtest/gtest.h>

TEST(About, MemoryFiguresReadAndWrittenAsTheWindowShowsThem)
{
    EXPECT_EQ(app::kilobytesText(65536), "65,536 KB");
    EXPECT_EQ(app::kilobytesText(999), "999 KB");
    EXPECT_EQ(app::kilobytesText(0), "0 KB");
    EXPECT_EQ(app::kilobytesText(17'179'869'184ull), "17,179,869,184 KB"); // 16 TB, past 32 bits
    const struct {
        const char* meminfo;
        bool read;
        const char* load;
    } cases[] = {
        {"MemTotal:       16318500 kB\nMemFree:  1 kB\nMemAvailable:   15176205 kB\n", true, "7 %"},
        {"MemAvailable: 0 kB\nMemTotal: 100 kB\n", true, "100 %"},
        {"MemTotal: 100 kB\n", false, ""}, // no MemAvailable
        {"MemTotal: 100 kB\nMemAvailable: 200 kB\n", false, ""}, // more available than there is
        {"MemTotal: x kB\nMemAvailable: 1 kB\n", false, ""},
        {"MemTotalX: 100 kB\nMemAvailable: 1 kB\n", false, ""},
        {"", false, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.meminfo);
        const auto memory = app::readMeminfo(c.meminfo);
        ASSERT_EQ(memory.has_value(), c.read);
        EXPECT_EQ(memory ? app::memoryLoadText(*memory) : "", c.load);
    }
}

// The viewer reads the file afresh each time it comes on screen; once the
// file is gone it says so and keeps what it showed.
TEST(ReadMe, ReloadsOnEachShowingAndKeepsItsTextWhenTheFileGoes)
{
    apptest::Session s({testsupport::versionRecord()});
    s.start();
    s.click("ReadMe1");
    EXPECT_EQ(s.lines("RichEdit1", "ReadMefm"), apptest::Lines{"Read me."});
    s.click("BitBtn1", "ReadMefm");
    testsupport::writeBytes(s.dir / "readme.RTF", "{\\rtf1 {\\b Changed} text.\\par}");
    std::filesystem::remove(s.dir / "ReadMe.rtf");
    s.click("ReadMe1");
    EXPECT_EQ(s.lines("RichEdit1", "ReadMefm"), apptest::Lines{"Changed text."});
    s.click("BitBtn1", "ReadMefm");
    std::filesystem::remove(s.dir / "readme.RTF");
    s.person.take();
    s.click("ReadMe1");
    EXPECT_EQ(s.person.take(),
              (std::vector<testsupport::Shown>{{apptest::Kind::Show, "ReadMefm"},
                                               {apptest::Kind::Message, "Unable to find file \"ReadMe.rtf\". "}}));
    EXPECT_EQ(s.lines("RichEdit1", "ReadMefm"), apptest::Lines{"Changed text."});
}
