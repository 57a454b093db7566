// SPDX-License-Identifier: GPL-3.0-or-later
// Sort, CSV import, back-up and restore, and the maintainer's tools, where the data cannot be trusted or a
// write fails: what the person is told and what is left on disk. Their
// ordinary runs are checked end to end by the driver's scripts.
#include "app/messages.h"
#include "maps/map_list_conversion.h"
#include "session.h"
#include "text/columns.h"
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
        Session e(Records{});
        testsupport::writeBytes(e.dir / "in.csv", variant);
        e.start();
        e.person.answer({"Yes", (e.dir / "in.csv").string()});
        e.click("AppendaCSVFile1");
        EXPECT_EQ(e.file("Parishes.Dat"), testsupport::bytesOf(want));
    }
}

// Every step of every rewrite failing: the failure is shown, the file is as it
// was (or, when only the folder's sync failed, the new file is whole in
// place), the program is on the file that is there, no temporary file is
// left, and the command then works.
TEST(FileKeeping, AFailureAtAnyStepLeavesEveryFileWholeAndTheCommandThenWorks)
{
    using S = text::FileStep;
    const std::vector<S> replacing = {S::Create, S::Write, S::SyncFile, S::Close, S::Rename, S::SyncFolder};
    const std::vector<S> report = {S::Create, S::Write, S::Close, S::Rename}; // not synced
    const Records start = {testsupport::versionRecord(), parish("~Zennor", "V", "CON", "ENG", "SW4538", 145, 38),
                           parish("Ashby", "A", "MON", "ENG", "SK3516", 435, 316)};
    const Records older = {start[0], start[1]}; // the back-up, and the good copy
    const auto bytes = [](const Records& r) { return testsupport::bytesOf(r); };
    const std::string sheetList = "LR127395 300N435 340\r\n";
    const Shown diskFull = {Kind::Error, "Disk full."};
    const struct {
        const char* item;
        std::vector<S> steps;
        std::vector<std::string> answers;
        const char* target; // the file the command writes, on the disk when it starts with "A:"
        std::string afterwards; // what it holds after a run; "" for anything new
        Shown failure;
        std::function<void(Session&)> setUp = {}; // what the person does before the command
        const char* window = "Parishfm"; // the window whose control is clicked
    } commands[] = {
        {"NewSort1", replacing, {"Yes"}, "Parishes.Dat", bytes({start[0], start[2], start[1]}), diskFull},
        {"RemoveDeletedParishes1", replacing, {"Yes"}, "Parishes.Dat", bytes({start[0], start[2]}), diskFull},
        {"AppendaCSVFile1",
         {S::Write, S::SyncFile},
         {"Yes", "in.csv"},
         "Parishes.Dat",
         bytes({start[0], start[1], start[2], parish("Bastow", "P", "KEN", "ENG", "TQ5050", 550, 150)}),
         diskFull},
        {"BackUptoADrive1",
         replacing,
         {"OK", "Yes"},
         "A:Parishes.Bak",
         bytes(start),
         Shown{Kind::Message, std::string(app::msg::kBackUpFailed)}},
        {"RestorfromtheADrive1",
         replacing,
         {"OK"},
         "Parishes.Dat",
         bytes(older),
         Shown{Kind::Message, std::string(app::msg::kRestoreFailed)}},
        {"CreateTestFile1",
         replacing,
         {"Yes", "2"},
         "Parishes.Dat",
         bytes(older),
         Shown{Kind::Message, std::string(app::msg::kCreateTestFileFailed)}},
        {"ConvertData1",
         replacing,
         {"Yes"},
         "Parishes.Dat",
         bytes({parish("Bastow", "P", "KEN", "ENG", "TQ5050", 550, 150)}),
         diskFull},
        {"Batch1",
         replacing,
         {"No"},
         "Parishes.Dat",
         bytes({start[0], start[1], parish("Ashby", "A", "MON", "WLS", "SK3516", 435, 316)}),
         diskFull},
        {"ConvertMapData1", replacing, {"Yes"}, "MapList.Dat", maps::convertMapList(sheetList), diskFull},
        {"VerifyMapList1", report, {"No"}, "Errlist.Txt", "Record Count = 1\r\n", diskFull},
        {"SelectedCounty1", report, {"Yes"}, "ParList.txt", "", diskFull, [](Session& s) { s.set("TarPar", "LEI"); }},
        // The report and its plot points go together: the report's failure names it.
        {"ParishGroup",
         report,
         {},
         "ParList.txt",
         "",
         {Kind::Error, "Cannot write ParList.txt: Disk full."},
         [](Session& s) {
             s.goTo(2);
             s.click("Select1stParish");
             s.set("Radius", "500");
         }},
        {"CSVOUTPUT",
         report,
         {},
         "ParList.csv",
         "",
         diskFull,
         [](Session& s) {
             s.set("TarPar", "MON");
             s.person.answer({"Yes"});
             s.click("SelectedCounty1");
         },
         "ParListFm"},
    };
    for (const auto& command : commands)
        for (S step : command.steps) {
            SCOPED_TRACE(std::string(command.item) + " step " + std::to_string(static_cast<int>(step)));
            Session s(start);
            const testsupport::TempDir disk;
            s.person.backUpDisk = disk.path();
            testsupport::writeDataFile(disk / "Parishes.Bak", older);
            testsupport::writeBytes(s.dir / "in.csv", "Bastow,P,KEN,ENG,TQ5050,550,150,\r\n");
            testsupport::writeDataFile(s.dir / "KeepGoodCopy of Parishes.Dat", older);
            testsupport::writeBytes(s.dir / "LoadPar.txt", text::padRight("Bastow", 45) + "PKENENGTQ5050550 150\r\n");
            testsupport::writeBytes(s.dir / "Maplist.txt", sheetList);
            testsupport::writeBytes(s.dir / "MapList.Dat", "an older map list");
            testsupport::writeBytes(s.dir / "Errlist.Txt", "older findings\r\n");
            testsupport::writeBytes(s.dir / "ParList.txt", "an older report\r\n");
            testsupport::writeBytes(s.dir / "PlotList.txt", "older points\r\n");
            testsupport::writeBytes(s.dir / "ParList.csv", "an older CSV file\r\n");
            const std::string target(command.target);
            const fs::path path = target.starts_with("A:") ? disk / target.substr(2) : s.dir / target;
            app::Parishfm& main = s.start();
            if (command.setUp)
                command.setUp(s);
            const std::string before = testsupport::readBytes(path);
            const auto run = [&] {
                for (const std::string& a : command.answers)
                    s.person.answer({a == "in.csv" ? (s.dir / a).string() : a});
                s.click(command.item, command.window);
            };
            text::failFileStep(step, 1, ENOSPC);
            run();
            text::clearFileFaults();
            EXPECT_TRUE(showed(s.person.take(), command.failure));
            const std::string now = testsupport::readBytes(path);
            EXPECT_EQ(now, step == S::SyncFolder ? command.afterwards : before);
            EXPECT_EQ(testsupport::readBytes(s.dir / "PlotList.txt"), "older points\r\n");
            EXPECT_EQ(static_cast<std::size_t>(main.recordCount()) * 77,
                      testsupport::readBytes(s.dir / "Parishes.Dat").size());
            for (const fs::path& folder : {s.dir.path(), disk.path()})
                for (const auto& entry : fs::directory_iterator(folder))
                    EXPECT_FALSE(entry.path().string().ends_with("~")) << entry.path();
            run();
            EXPECT_FALSE(showed(s.person.take(), command.failure));
            const std::string after = testsupport::readBytes(path);
            EXPECT_TRUE(command.afterwards.empty() ? after != before && !after.empty() : after == command.afterwards);
        }
}
