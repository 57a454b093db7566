// SPDX-License-Identifier: GPL-3.0-or-later
// Sort, CSV import, back-up and restore where the data cannot be trusted or a
// write fails: what the person is told and what is left on disk. Their
// ordinary runs are checked end to end by the driver's scripts.
#include "app/messages.h"
#include "session.h"
#include "text/cp1252.h"
#include "text/file_replace.h"

#include <algorithm>
#include <filesystem>
#include <functional>

namespace {

using apptest::Kind;
using apptest::Session;
using testsupport::parish;
using testsupport::Shown;
namespace fs = std::filesystem;
using Records = std::vector<records::ParishRecord>;

Shown message(std::string_view text)
{
    return {Kind::Message, std::string(text)};
}

bool showed(const std::vector<Shown>& shown, const Shown& what)
{
    return std::find(shown.begin(), shown.end(), what) != shown.end();
}

Records mixedCounty()
{
    return {testsupport::versionRecord(),
            parish("Ashby-de-la-Zouch", "T", "MIX", "ENG", "SK3515", 435, 315),
            parish("D\xFAn Laoghaire", "T", "MIX", "IRL", "O2427", 324, 227),
            parish("Ynys M\xF4n", "V", "MIX", "WLS", "SH4575", 245, 375),
            parish("Ashby, Magna", "V", "MIX", "ENG", "SP5689", 456, 289),
            parish("St Mary's, Rh\xF4s-on-Sea", "P", "MIX", "WLS", "SH8480", 284, 380),
            parish("Zennor", "V", "CON", "ENG", "SW4538", 145, 38)};
}

// Imports the CSV text into a data file of the given records, answering the question and the file dialog.
std::string importInto(const Records& start, const std::string& csv, std::vector<Shown>* shown = nullptr)
{
    Session s(start);
    testsupport::writeBytes(s.dir / "in.csv", csv);
    s.start();
    s.person.take();
    s.person.answer({"Yes", (s.dir / "in.csv").string()});
    s.click("AppendaCSVFile1");
    if (shown)
        *shown = s.person.take();
    return s.file("Parishes.Dat");
}

} // namespace

// A county list made into CSV by the report viewer comes back as its records
// and the report's closing lines, whether imported as written, as UTF-8 with
// a byte order mark, or after LibreOffice Calc opened and saved it (UTF-8, LF,
// numbers unquoted, no comma after the last field).
TEST(Import, TheReportsOwnCsvAndItsCopiesInOtherProgramsGiveTheSameRecords)
{
    Session s(mixedCounty());
    s.start();
    s.set("TarPar", "MIX");
    s.person.answer({"Yes"});
    s.click("SelectedCounty1");
    s.click("CSVOUTPUT", "ParListFm");
    const std::string csv = s.file("ParList.csv");

    const Records all = mixedCounty();
    Records want(all.begin() + 1, all.end() - 1);
    const auto closing = [](std::string name) {
        name.resize(45, ' ');
        return records::makeRecord({name, " ", "   ", "   ", "      ", "   000", "   000"});
    };
    want.insert(want.end(), {closing(""), closing(""), closing("5 Records Listed for  MIX County")});

    const std::string variants[] = {
        csv,
        "\xEF\xBB\xBF" + text::cp1252ToUtf8(csv),
        testsupport::readBytes(fs::path(TEST_DATA_DIR) / "county_list_libreoffice.csv"),
    };
    for (const std::string& variant : variants) {
        std::vector<Shown> shown;
        EXPECT_EQ(importInto({}, variant, &shown), testsupport::bytesOf(want));
        EXPECT_EQ(shown.size(), 6u); // question, file dialog, a beep before and three after
    }
}

TEST(Import, RefusesWholeOrSkipsAndNamesTheLinesItCannotTake)
{
    const Records start = {testsupport::versionRecord()};
    const std::string before = testsupport::bytesOf(start);
    std::vector<Shown> shown;
    // Ł has no place in cp1252: nothing is written.
    EXPECT_EQ(importInto(start, "Ashby,A,LEI,ENG,SK3516,435,316,\r\n\xC5\x81\xC3\xB3\x64\xC5\xBA,A,,,,,,\r\n", &shown),
              before);
    EXPECT_EQ(shown.back(), message("Line 2 of the CSV file holds a character that Parishes.Dat cannot store "
                                    "(U+0141). Nothing was imported."));
    // Empty lines are passed over; short lines are named after the rest is imported.
    const std::string after = importInto(start, "\r\nAshby,A,LEI,ENG,SK3516,435,316,\r\nAsh\r\n\r\nAshwell\n", &shown);
    EXPECT_EQ(after.size(), before.size() + 77);
    EXPECT_EQ(shown.back(), message("Lines with fewer than seven fields were not imported: 3, 5."));
    // An empty file on an empty data file appends nothing and shows nothing.
    EXPECT_EQ(importInto({}, "", &shown), "");
    EXPECT_FALSE(std::any_of(shown.begin(), shown.end(), [](const Shown& x) { return x.kind == Kind::Error; }));
}

// Every step of every rewrite failing: the failure is shown, the file is as it
// was (or, when only the folder's sync failed, the new file is whole in
// place), no temporary file is left, and the command then works.
TEST(FileKeeping, AFailureAtAnyStepLeavesEveryFileWholeAndTheCommandThenWorks)
{
    using S = text::FileStep;
    const std::vector<S> replacing = {S::Create, S::Write, S::SyncFile, S::Close, S::Rename, S::SyncFolder};
    const Records unsorted = {testsupport::versionRecord(), parish("Zennor", "V", "CON", "ENG", "SW4538", 145, 38),
                              parish("Ashby", "A", "LEI", "ENG", "SK3516", 435, 316)};
    const Records sorted = {unsorted[0], unsorted[2], unsorted[1]};
    const Records older = {unsorted[0], unsorted[1]};
    const Shown diskFull = {Kind::Error, "Disk full."};
    const struct {
        const char* name;
        std::vector<S> steps;
        std::vector<std::string> answers;
        const char* target; // the file the command writes, on the disk when it starts with "A:"
        Records afterwards; // what it holds after a run
        Shown failure;
    } commands[] = {
        {"sort", replacing, {"Yes"}, "Parishes.Dat", sorted, diskFull},
        {"import",
         {S::Write, S::SyncFile},
         {"Yes", "in.csv"},
         "Parishes.Dat",
         {unsorted[0], unsorted[1], unsorted[2], parish("Bastow", "P", "KEN", "ENG", "TQ5050", 550, 150)},
         diskFull},
        {"back up", replacing, {"OK", "Yes"}, "A:Parishes.Bak", unsorted, message(app::msg::kBackUpFailed)},
        {"restore", replacing, {"OK"}, "Parishes.Dat", older, message(app::msg::kRestoreFailed)},
    };
    const std::map<std::string, const char*> items = {{"sort", "NewSort1"},
                                                      {"import", "AppendaCSVFile1"},
                                                      {"back up", "BackUptoADrive1"},
                                                      {"restore", "RestorfromtheADrive1"}};
    for (const auto& command : commands)
        for (S step : command.steps) {
            SCOPED_TRACE(std::string(command.name) + " step " + std::to_string(static_cast<int>(step)));
            Session s(unsorted);
            const testsupport::TempDir disk;
            s.person.backUpDisk = disk.path();
            testsupport::writeDataFile(disk / "Parishes.Bak", older);
            testsupport::writeBytes(s.dir / "in.csv",
                                    "Bastow                                       ,P,KEN,ENG,TQ5050,550,150,\r\n");
            const std::string target(command.target);
            const fs::path path = target.starts_with("A:") ? disk / target.substr(2) : s.dir / target;
            const std::string before = testsupport::readBytes(path);
            s.start();
            std::vector<std::string> answers = command.answers;
            const auto run = [&] {
                for (const std::string& a : answers)
                    s.person.answer({a == "in.csv" ? (s.dir / a).string() : a});
                s.click(items.at(command.name));
            };
            text::failFileStep(step, 1, ENOSPC);
            run();
            text::clearFileFaults();
            EXPECT_TRUE(showed(s.person.take(), command.failure));
            const std::string now = testsupport::readBytes(path);
            EXPECT_EQ(now, step == S::SyncFolder ? testsupport::bytesOf(command.afterwards) : before);
            for (const fs::path& folder : {s.dir.path(), disk.path()})
                for (const auto& entry : fs::directory_iterator(folder))
                    EXPECT_FALSE(entry.path().string().ends_with("~")) << entry.path();
            run();
            EXPECT_FALSE(showed(s.person.take(), command.failure));
            EXPECT_EQ(testsupport::readBytes(path), testsupport::bytesOf(command.afterwards));
        }
}
