#include "app/messages.h"
#include "app_fixture.h"
#include "records/record_line.h"
#include "support/permissions.h"

#include <gtest/gtest.h>

using app::Parishfm;
using apptest::CoreOnFile;
using Lines = std::vector<std::string>;

namespace {

std::vector<records::ParishRecord> sampleFile(int parishes)
{
    std::vector<records::ParishRecord> r{testsupport::versionRecord()};
    auto more = testsupport::numberedParishes(parishes);
    r.insert(r.end(), more.begin(), more.end());
    return r;
}

std::string lineOf(const std::vector<records::ParishRecord>& file, int i)
{
    return records::recordLine(file[i]);
}

// The neighbour lists as they should be with the cursor at n.
Lines expectedBefore(const std::vector<records::ParishRecord>& file, int n)
{
    Lines lines(7);
    for (int k = 1; k <= 7; ++k)
        lines[7 - k] = n - k < 0 ? "... " : lineOf(file, n - k);
    return lines;
}

Lines expectedAfter(const std::vector<records::ParishRecord>& file, int n)
{
    Lines lines(7);
    for (int k = 1; k <= 7; ++k)
        lines[k - 1] = n + k >= static_cast<int>(file.size()) ? "..." : lineOf(file, n + k);
    return lines;
}

void expectShowing(const Parishfm& core, const std::vector<records::ParishRecord>& file, int n)
{
    EXPECT_EQ(core.currentRecord(), n);
    EXPECT_EQ(core.view.Memo3, Lines{lineOf(file, n)});
    EXPECT_EQ(core.view.Progress, std::to_string(n));
    EXPECT_EQ(core.view.Memo1, expectedBefore(file, n));
    EXPECT_EQ(core.view.Memo2, expectedAfter(file, n));
}

} // namespace

TEST(Start, WithoutADataFileShowsOneMessageAndEnds)
{
    CoreOnFile t;
    testsupport::writeBytes(t.dir / "HistList.txt", "ash\r\n");
    Parishfm& core = t.start();
    EXPECT_EQ(t.events(), Lines{"message \"Cannot Find data file \\\"Parishes.Dat\\\". Application Will Close\""});
    EXPECT_TRUE(core.ended());
    EXPECT_TRUE(t.ports.quitRequested());
    EXPECT_EQ(testsupport::readBytes(t.dir / "HistList.txt"), "ash\r\n");
}

TEST(Start, ShowsRecordZeroAndItsFollowersAndCounts)
{
    auto file = sampleFile(20);
    CoreOnFile t(file);
    t.ports.answers(); // nothing queued: start must ask nothing
    Parishfm& core = t.start();
    EXPECT_TRUE(t.events().empty());
    EXPECT_EQ(core.recordCount(), 21);
    EXPECT_EQ(core.currentRecord(), 0);
    EXPECT_EQ(core.view.Memo3, Lines{lineOf(file, 0)});
    EXPECT_EQ(core.view.Memo2, expectedAfter(file, 0));
    EXPECT_EQ(core.view.Memo1, Lines(7)); // the before list keeps its empty lines
    EXPECT_EQ(core.view.Progress, "0");
    EXPECT_EQ(core.view.TarPar, "");
    EXPECT_FALSE(core.ended());
}

TEST(Start, FindsTheDataFileWhateverItsLetterCase)
{
    CoreOnFile t;
    testsupport::writeDataFile(t.dir / "PARISHES.DAT", sampleFile(2));
    Parishfm& core = t.start();
    EXPECT_EQ(core.recordCount(), 3);
    EXPECT_FALSE(core.ended());
}

TEST(Start, AnEmptyDataFileShowsNothingAndCountsZero)
{
    CoreOnFile t(std::vector<records::ParishRecord>{});
    Parishfm& core = t.start();
    EXPECT_TRUE(t.events().empty());
    EXPECT_EQ(core.recordCount(), 0);
    EXPECT_EQ(core.view.Memo3, Lines(1));
    EXPECT_EQ(core.view.Progress, "");
    // Home and End read record 0, which is not there: the general error, and the program goes on.
    t.run(&Parishfm::GoFirst);
    t.run(&Parishfm::GoLast);
    EXPECT_EQ(t.events(), (Lines{"error \"Read beyond end of file.\"", "error \"Read beyond end of file.\""}));
    EXPECT_EQ(core.currentRecord(), 0);
}

TEST(Start, AReadOnlyDataFileIsBrowsedWithOneMessage)
{
    auto file = sampleFile(10);
    CoreOnFile t(file);
    std::filesystem::permissions(t.dir.path(), std::filesystem::perms::all, std::filesystem::perm_options::replace);
    std::filesystem::permissions(t.dir / "Parishes.Dat",
                                 std::filesystem::perms::owner_read | std::filesystem::perms::others_read
                                     | std::filesystem::perms::group_read,
                                 std::filesystem::perm_options::replace);
    std::string before = testsupport::readBytes(t.dir / "Parishes.Dat");
    EXPECT_TRUE(testsupport::withPermissionsEnforced([&] {
        Parishfm& core = t.start();
        EXPECT_EQ(t.events(), Lines{"message \"" + std::string(app::msg::kReadOnlyDataFile) + "\""});
        t.run(&Parishfm::GoLast);
        EXPECT_EQ(core.currentRecord(), 10);
        EXPECT_EQ(core.view.Memo3, Lines{lineOf(file, 10)});
    }));
    EXPECT_EQ(testsupport::readBytes(t.dir / "Parishes.Dat"), before);
}

TEST(Start, ADamagedFileCountsItsPartialRecordAndFailsToReadIt)
{
    auto file = sampleFile(3);
    CoreOnFile t(file);
    auto path = t.dir / "Parishes.Dat";
    std::string bytes = testsupport::readBytes(path) + std::string(40, 'x');
    testsupport::writeBytes(path, bytes);
    Parishfm& core = t.start();
    // The start warns once, then filling the after list meets the partial record.
    EXPECT_EQ(t.events(), (Lines{"message \"" + std::string(app::msg::kDamagedDataFile) + "\"",
                                 "error \"Read beyond end of file.\""}));
    EXPECT_EQ(core.recordCount(), 5);
    t.run(&Parishfm::GoLast);
    EXPECT_EQ(t.events(), Lines{"error \"Read beyond end of file.\""});
    EXPECT_EQ(core.currentRecord(), 4);
    t.run(&Parishfm::GoFirst);
    EXPECT_EQ(core.view.Memo3, Lines{lineOf(file, 0)});
    EXPECT_EQ(core.view.Memo2[2], lineOf(file, 3));
    EXPECT_EQ(t.events(), Lines{"error \"Read beyond end of file.\""}); // lines filled so far stay
    EXPECT_EQ(testsupport::readBytes(path), bytes);
}

TEST(Moves, StepAndPageThroughTheFileWithBeepsAtTheEnds)
{
    auto file = sampleFile(20); // records 0..20
    CoreOnFile t(file);
    Parishfm& core = t.start();
    struct Step {
        app::Key key;
        int expected;
        bool beep;
    };
    const Step steps[] = {
        {app::Key::Down, 1, false},     {app::Key::Up, 0, false},
        {app::Key::Up, 0, true}, // already at the first record
        {app::Key::Down, 1, false},     {app::Key::Down, 2, false},
        {app::Key::Down, 3, false},     {app::Key::PageUp, 3, true}, // fewer than six before: stays
        {app::Key::PageDown, 9, false}, {app::Key::PageDown, 15, false},
        {app::Key::PageDown, 15, true}, // only five ahead (16..20): no move
        {app::Key::PageUp, 9, false},   {app::Key::End, 20, true},
        {app::Key::Down, 20, true}, // already at the last record
        {app::Key::Up, 19, false},      {app::Key::Home, 0, true},
        {app::Key::Other, 0, false},
    };
    for (const Step& s : steps) {
        core.view.TarPar = "ash";
        core.run([&] { core.FormKeyDown(s.key); });
        expectShowing(core, file, s.expected);
        EXPECT_EQ(t.events(), s.beep ? Lines{"beep"} : Lines{}) << s.expected;
        // Only Home empties the search box.
        EXPECT_EQ(core.view.TarPar, s.key == app::Key::Home ? "" : "ash");
    }
}

TEST(Moves, EndShowsEndMarkersAfterTheLastRecord)
{
    auto file = sampleFile(20);
    CoreOnFile t(file);
    Parishfm& core = t.start();
    core.view.Hits = "12";
    core.run(&Parishfm::GoLast);
    EXPECT_EQ(core.view.Memo2, Lines(7, "..."));
    EXPECT_EQ(core.view.Memo1, expectedBefore(file, 20));
    EXPECT_EQ(core.view.Hits, "12");
    core.run(&Parishfm::GoFirst);
    EXPECT_EQ(core.view.Hits, "");
    EXPECT_EQ(core.view.Progress, "0");
    EXPECT_EQ(t.events(), (Lines{"beep", "beep"}));
}

TEST(Moves, TheBeforeListAtRecordThreeStartsWithFourMarkers)
{
    auto file = sampleFile(20);
    CoreOnFile t(file);
    Parishfm& core = t.start();
    for (int i = 0; i < 3; ++i)
        core.run(&Parishfm::StepForward);
    EXPECT_EQ(core.view.Memo1,
              (Lines{"... ", "... ", "... ", "... ", lineOf(file, 0), lineOf(file, 1), lineOf(file, 2)}));
}

TEST(Moves, AfterARefreshTheSharedBufferHoldsANeighbour)
{
    auto file = sampleFile(20);
    CoreOnFile t(file);
    Parishfm& core = t.start();
    core.run(&Parishfm::StepForward);
    core.run(&Parishfm::StepForward);
    EXPECT_EQ(core.recordBuffer(), file[0]); // the before list is filled last, nearest first

    CoreOnFile one(std::vector<records::ParishRecord>{testsupport::versionRecord()});
    Parishfm& single = one.start();
    single.run(&Parishfm::GoFirst);
    EXPECT_EQ(single.recordBuffer(), testsupport::versionRecord());
    EXPECT_EQ(single.view.Memo1, Lines(7, "... "));
    EXPECT_EQ(single.view.Memo2, Lines(7, "..."));
}

TEST(Close, AsksAndEndsOnlyOnOk)
{
    CoreOnFile t(sampleFile(2));
    Parishfm& core = t.start();
    t.answer(driver::Answer::Kind::Cancel);
    EXPECT_FALSE(core.FormCloseQuery());
    EXPECT_FALSE(core.ended());
    t.answer(driver::Answer::Kind::OK);
    core.run(&Parishfm::ExitClick);
    EXPECT_TRUE(core.ended());
    EXPECT_TRUE(t.ports.quitRequested());
    EXPECT_EQ(t.events(),
              (Lines{"confirm \"Terminate Application?\" -> Cancel", "confirm \"Terminate Application?\" -> OK"}));
}
