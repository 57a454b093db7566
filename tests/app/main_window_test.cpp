// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's commands where files are missing, damaged, unreadable or
// cannot be written: what the person is told and what is left on disk. The
// commands' ordinary results are checked end to end by the driver's scripts.
#include "app/developer_tools.h"
#include "app/messages.h"
#include "session.h"
#include "support/permissions.h"
#include "text/file_replace.h"
#include "text/text_file.h"

#include <cstdlib>
#include <filesystem>
#include <regex>

namespace {

using apptest::Kind;
using apptest::Lines;
using apptest::Session;
using testsupport::Shown;
namespace fs = std::filesystem;

std::vector<records::ParishRecord> parishes()
{
    using testsupport::parish;
    return {testsupport::versionRecord(), parish("Ashby", "A", "LEI", "ENG", "SK3516", 435, 316),
            parish("Ashwell", "A", "RUT", "ENG", "SK8613", 486, 313),
            parish("Bastow", "P", "KEN", "ENG", "TQ5050", 550, 150)};
}

Shown error(std::string_view text)
{
    return {Kind::Error, std::string(text)};
}

TEST(Start, AReadOnlyDataFileIsBrowsedWithOneMessageAndNeverWritten)
{
    Session readOnly(parishes());
    fs::permissions(readOnly.dir.path(), fs::perms::all, fs::perm_options::replace);
    fs::permissions(readOnly.dir / "Parishes.Dat",
                    fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read, fs::perm_options::replace);
    const std::string before = readOnly.file("Parishes.Dat");
    EXPECT_TRUE(testsupport::withPermissionsEnforced([&] {
        readOnly.start();
        EXPECT_EQ(readOnly.person.take(),
                  (std::vector<Shown>{{Kind::Message, std::string(app::msg::kReadOnlyDataFile)}}));
        readOnly.click("FindNext");
        EXPECT_EQ(readOnly.program->mainWindow().currentRecord(), 1);
        readOnly.click("RemoveDeletedParishes1"); // refused before it asks
        EXPECT_EQ(readOnly.person.take(),
                  (std::vector<Shown>{{Kind::Message, std::string(app::msg::kReadOnlyDataFile)}}));
    }));
    EXPECT_EQ(readOnly.file("Parishes.Dat"), before);
}

TEST(History, AFailedSaveIsReportedAndTheProgramStillCloses)
{
    Session s(parishes());
    s.start();
    s.person.take();
    fs::create_directory(s.dir / "HistList.txt");
    s.person.answer({"OK"});
    EXPECT_TRUE(s.program->mainWindow().closeQuery());
    std::vector<Shown> shown = s.person.take();
    ASSERT_EQ(shown.size(), 3u);
    EXPECT_EQ(shown[0].kind, Kind::Error);
    EXPECT_EQ(shown[1], (Shown{Kind::Confirm, "Terminate Application?"}));
    EXPECT_EQ(shown[2].kind, Kind::Quit);
}

TEST(History, NeverWrittenWhenTheDataFileCouldNotBeOpened)
{
    Session s(parishes());
    fs::permissions(s.dir.path(), fs::perms::all, fs::perm_options::replace);
    testsupport::writeBytes(s.dir / "HistList.txt", "keep\r\n");
    fs::permissions(s.dir / "HistList.txt", fs::perms::all, fs::perm_options::replace);
    fs::permissions(s.dir / "Parishes.Dat", fs::perms::none, fs::perm_options::replace);
    EXPECT_TRUE(testsupport::withPermissionsEnforced([&] {
        s.start();
        EXPECT_EQ(s.person.take(), (std::vector<Shown>{error("File access denied.")}));
        s.person.answer({"OK"});
        EXPECT_TRUE(s.program->mainWindow().closeQuery());
    }));
    EXPECT_EQ(s.file("HistList.txt"), "keep\r\n");
}

// Clear Current Item acts on the item the box shows, not on the one picked last.
TEST(History, ClearCurrentItemRemovesTheItemTheBoxShows)
{
    Session s(parishes());
    testsupport::writeBytes(s.dir / "HistList.txt", "ash\r\nzed\r\n");
    s.start();
    s.set("TarPar", "zed");
    *s.control("TarPar").itemIndex = 1; // picked from the list
    s.set("TarPar", "bee");
    s.program->mainWindow().leaveControl("TarPar");
    s.click("ClearCurrentItem1");
    EXPECT_EQ(s.lines("TarPar"), (Lines{"ash", "zed"}));
}

TEST(Refusals, ACountyOfOtherThanThreeLettersAndARecordNumberOnAnEmptyFile)
{
    Session s(parishes());
    s.start();
    s.set("TarPar", "le");
    s.person.answer({"Yes"});
    s.click("SelectedCounty1");
    EXPECT_EQ(s.person.take(),
              (std::vector<Shown>{{Kind::Confirm, std::string(app::msg::kCountyListQuestion) + "\"LE\"?"},
                                  {Kind::Message, std::string(app::msg::kCountyNotThree)}}));
    EXPECT_FALSE(fs::exists(s.dir / "ParList.txt"));

    // The upper bound comes first and the floor of 0 after it: record 0 is
    // read and the read error shown, never a read of record -1.
    Session empty(std::vector<records::ParishRecord>{});
    empty.start();
    empty.goTo(5);
    EXPECT_EQ(empty.person.take(), (std::vector<Shown>{error("Read beyond end of file.")}));
    EXPECT_EQ(empty.program->mainWindow().currentRecord(), 0);
}

// The commands that write one record in place: a failed write leaves the file
// as it was (an append is cut back), a failed sync leaves it whole with the
// change; either is shown, and the same command then works.
TEST(RecordWrites, AFailedWriteOrSyncIsShownAndTheFileStaysWhole)
{
    const struct {
        const char* name;
        std::function<void(Session&)> run;
    } commands[] = {
        {"mark",
         [](Session& s) {
             s.person.answer({"Yes"});
             s.click("DeleteAParish1");
         }},
        {"insert", [](Session& s) { s.click("AddaNewParish1"); }},
        {"amend",
         [](Session& s) {
             s.click("AllowAmendments1");
             *s.control("Edit1", "Updatefm").text = "Ashby Parva";
             s.person.answer({"Yes"});
             s.click("Save", "Updatefm");
         }},
    };
    for (const auto& command : commands)
        for (text::FileStep step : {text::FileStep::Write, text::FileStep::SyncFile}) {
            SCOPED_TRACE(std::string(command.name) + (step == text::FileStep::Write ? " write" : " sync"));
            Session s(parishes());
            s.start();
            s.goTo(2);
            const std::string before = s.file("Parishes.Dat");
            s.person.take();
            text::failFileStep(step, 1, ENOSPC);
            command.run(s);
            text::clearFileFaults();
            EXPECT_EQ(s.person.take().back(), error("Disk full."));
            const std::string after = s.file("Parishes.Dat");
            EXPECT_EQ(after.size() % 77, 0u);
            EXPECT_TRUE(step == text::FileStep::SyncFile || after == before);
            command.run(s);
            const std::vector<Shown> shown = s.person.take();
            EXPECT_TRUE(std::none_of(shown.begin(), shown.end(), [](const Shown& x) { return x.kind == Kind::Error; }));
            EXPECT_NE(s.file("Parishes.Dat"), before);
        }
}

TEST(RadiusSearch, AReadFailureIsReportedOnceAndLeavesTheOldFilesAndTheCursor)
{
    Session s(parishes());
    testsupport::writeBytes(s.dir / "Parishes.Dat", s.file("Parishes.Dat") + "partial");
    testsupport::writeBytes(s.dir / "ParList.txt", "old report");
    app::Parishfm& main = s.start();
    s.goTo(1);
    s.click("Select1stParish");
    s.set("Radius", "10");
    s.person.take();
    s.click("ParishGroup");
    EXPECT_EQ(s.person.take(), (std::vector<Shown>{error("Read beyond end of file.")}));
    EXPECT_EQ(main.currentRecord(), 1);
    EXPECT_EQ(s.file("ParList.txt"), "old report");
    EXPECT_FALSE(fs::exists(s.dir / "PlotList.txt"));
    EXPECT_FALSE(s.window("ParListFm").visible());
}

// A report that cannot be written (a folder in the way of the report or of
// the radius search's plot points) is said, with the file's name where two
// are written; every file stays as it was, the viewer stays closed, and the
// cursor is back on the record on show, so the next command works.
TEST(Reports, AFailedWriteLeavesEveryFileTheCursorAndTheViewerAsTheyWere)
{
    const struct {
        const char* command;
        const char* folder; // the file a folder stands in the way of
        const char* error;
    } cases[] = {
        {"SelectedCounty1", "ParList.txt", "File access denied."},
        {"ParishesmatchingSearchString1", "ParList.txt", "File access denied."},
        {"ParishGroup", "ParList.txt", "Cannot write ParList.txt: File access denied."},
        {"ParishGroup", "PlotList.txt", "Cannot write PlotList.txt: File access denied."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.command) + " " + c.folder);
        Session s(parishes());
        app::Parishfm& main = s.start();
        for (const char* file : {"ParList.txt", "PlotList.txt"})
            testsupport::writeBytes(s.dir / file, "old\r\n");
        fs::remove(s.dir / c.folder);
        fs::create_directory(s.dir / c.folder);
        s.goTo(2);
        s.click("Select1stParish");
        s.set("Radius", "500");
        s.set("TarPar", "LEI");
        s.person.answer({"Yes"});
        s.person.take();
        s.click(c.command);
        EXPECT_EQ(s.person.take().back(), error(c.error));
        for (const char* file : {"ParList.txt", "PlotList.txt"}) {
            if (file != std::string_view(c.folder)) {
                EXPECT_EQ(s.file(file), "old\r\n");
            }
        }
        EXPECT_FALSE(s.window("ParListFm").visible());
        EXPECT_EQ(main.currentRecord(), 2);
        EXPECT_EQ(std::distance(fs::directory_iterator(s.dir.path()), {}), 4); // nothing left behind
        s.click("Select1stParish");
        EXPECT_TRUE(s.person.take().empty());
    }
}

TEST(ReportViewer, TheCsvIsMadeFromTheReportFileNotTheEditedText)
{
    Session s(parishes());
    s.start();
    s.set("TarPar", "RUT");
    s.person.answer({"Yes"});
    s.click("SelectedCounty1");
    (*s.window("ParListFm").control("RichEdit1")->lines)[4] = "edited on screen";
    s.click("CSVOUTPUT", "ParListFm");
    Lines csv = text::splitLines(s.file("ParList.csv"));
    ASSERT_EQ(csv.size(), 4u); // the listed record and the report's three closing lines
    EXPECT_EQ(csv[0], "\"Ashwell" + std::string(38, ' ') + "\",\"A\",\"RUT\",\"ENG\",\"SK8613\",\"486\",\" 313\",");
}

TEST(Maps, ADamagedMapFileIsReportedAndTheLinesSoFarStay)
{
    Session s(parishes());
    const std::string whole =
        testsupport::mapListBytes({testsupport::mapSheet("LR", "128", "400", " 300", "N", "440", " 340")});
    testsupport::writeBytes(s.dir / "maplist.dat", whole + whole.substr(0, 20));
    s.start();
    s.goTo(1);
    s.person.take();
    s.click("OSMapData1");
    EXPECT_EQ(s.person.take(),
              (std::vector<Shown>{{Kind::Show, "Mapfm"},
                                  error("MapList.Dat is damaged: its last map sheet record is incomplete.")}));
    EXPECT_TRUE(s.window("Mapfm").visible());
    EXPECT_EQ(s.lines("RichEdit1", "Mapfm").size(), 5u); // header, " ", the sheet's two lines, " "; no "Done"
}

TEST(Maps, ShowLocationSaysSoWhenNoBrowserCanBeAsked)
{
    Session s(parishes());
    s.start();
    s.goTo(1);
    s.person.browserAvailable = false;
    s.person.answer({"Yes"});
    s.person.take();
    s.click("ShowLocation2");
    std::vector<Shown> shown = s.person.take();
    ASSERT_EQ(shown.size(), 3u);
    EXPECT_EQ(shown[1],
              (Shown{Kind::Browse, "http://maps.example.org/streetmap.dll?grid2map?X=435500&Y=316500&arrow=Y&zoom=5"}));
    EXPECT_EQ(shown[2], (Shown{Kind::Message, std::string(app::msg::kNoBrowser)}));
}

} // namespace

// The maintainer's menu is shown by the option or the environment variable
// only; Display Memory gives the allocator's figures, the total free being
// the big and small free together.
TEST(MyTools, ShownOnlyWhenAskedForAndDisplayMemoryGivesTheAllocatorsFigures)
{
    ::setenv("STEEPLEWATCHER_MY_TOOLS", "0", 1);
    EXPECT_FALSE(app::myToolsSetting(false));
    EXPECT_TRUE(app::myToolsSetting(true));
    ::setenv("STEEPLEWATCHER_MY_TOOLS", "1", 1);
    EXPECT_TRUE(app::myToolsSetting(false));
    ::unsetenv("STEEPLEWATCHER_MY_TOOLS");

    Session delivered(parishes());
    delivered.start();
    EXPECT_FALSE(delivered.control("MyTools1").visible);
    Session s(parishes());
    s.start(true);
    EXPECT_TRUE(s.control("MyTools1").visible);
    s.click("DisplayMemory1");
    const std::vector<Shown> shown = s.person.take();
    ASSERT_EQ(shown.size(), 2U);
    std::smatch free;
    ASSERT_TRUE(std::regex_match(shown[0].text, free,
                                 std::regex("TotalFree = ([0-9]+) BigFree = ([0-9]+) SmallFree = ([0-9]+)")));
    EXPECT_EQ(std::stoull(free[1]), std::stoull(free[2]) + std::stoull(free[3]));
    EXPECT_TRUE(std::regex_match(shown[1].text, std::regex("Available = [0-9]+ Total Allocated = [0-9]+")));
}
