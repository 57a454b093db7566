// Golden cases: the built driver runs golden/<case>.script in a fresh folder
// holding the case's data file; its transcript must equal golden/<case>.expected
// byte for byte, its error output golden/<case>.stderr (empty when there is
// none), and its exit status the one in the table. No case may change or
// remove a file that was in the working directory before it ran.
//
// STEEPLEWATCHER_UPDATE_GOLDEN=1 rewrites the expected files from the actual
// output; read every changed line before keeping it.
#include "support/data_files.h"
#include "support/temp_dir.h"
#include "text/text_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <map>

namespace {

namespace fs = std::filesystem;
using testsupport::TempDir;

const fs::path kGolden = GOLDEN_DIR;

// ------------------------------------------------------------ data files

void noDataFile(const TempDir&) {}

void emptyDataFile(const TempDir& dir)
{
    testsupport::writeBytes(dir / "Parishes.Dat", "");
}

// The version record and nineteen parishes: records 0 to 19, "Parish 00001"
// at record 1 and so on.
void twentyRecords(const TempDir& dir)
{
    auto records = testsupport::numberedParishes(20);
    records[0] = testsupport::versionRecord();
    testsupport::writeDataFile(dir / "Parishes.Dat", records);
}

// Ten whole records and the first 40 bytes of an eleventh.
void partialLastRecord(const TempDir& dir)
{
    auto records = testsupport::numberedParishes(10);
    records[0] = testsupport::versionRecord();
    testsupport::writeDataFile(dir / "Parishes.Dat", records);
    auto cut = testsupport::parish("Cut Short", "A", "LEI", "ENG", "SK3516", 435, 316);
    std::string bytes = testsupport::readBytes(dir / "Parishes.Dat") + std::string(cut.bytes.data(), 40);
    testsupport::writeBytes(dir / "Parishes.Dat", bytes);
}

// Names with cp1252 letters and bytes, and length bytes beyond their fields.
void storedTexts(const TempDir& dir)
{
    using testsupport::parish;
    auto longCounty = parish("Long County", "A", "LEI", "ENG", "SK3516", 435, 316);
    longCounty.bytes[48] = 9; // county: capacity 3
    auto longName = records::makeRecord(
        {std::string("Short") + std::string(40, '#'), "A", "LEI", "ENG", "SK3516", "   435", "   316"});
    longName.bytes[0] = static_cast<char>(200); // name: capacity 45
    auto longEasting = parish("Long Easting", "A", "LEI", "ENG", "SK3516", 435, 316);
    longEasting.bytes[63] = 7; // easting: capacity 6
    testsupport::writeDataFile(dir / "Parishes.Dat",
                               {
                                   testsupport::versionRecord(),
                                   parish("Rh\xF4s", "A", "DEN", "WLS", "SJ0040", 300, 340),
                                   parish("Ballymacarbry \xC9", "A", "WAT", "IRL", "S1912", 219, 112),
                                   parish("Odd \x81 Byte", "A", "LEI", "ENG", "SK3516", 435, 316),
                                   longCounty,
                                   longName,
                                   longEasting,
                               });
}

// A few named places for the searches, and a search history written by hand
// (LF line ends, out of order) that the program reads and rewrites.
void searchFile(const TempDir& dir)
{
    using testsupport::parish;
    testsupport::writeDataFile(dir / "Parishes.Dat", {
                                                         testsupport::versionRecord(),
                                                         parish("Aston", "A", "WAR", "ENG", "SP0888", 408, 288),
                                                         parish("Ashby", "A", "LEI", "ENG", "SK3516", 435, 316),
                                                         parish("Ashby Magna", "A", "LEI", "ENG", "SP5689", 456, 289),
                                                         parish("Stanton", "A", " KE", "ENG", "TQ0000", 500, 100),
                                                         parish("\xC9glise 250", "A", "KEN", "ENG", "TQ0000", 500, 100),
                                                         parish("Bastow", "A", "KEN", "ENG", "TQ0000", 500, 100),
                                                     });
    testsupport::writeBytes(dir / "HistList.txt", "zed\nash\n");
}

// Places around Ashby-de-la-Zouch at their real grid positions, one far away,
// a Welsh and an Irish one, an unplaced blank record, and an earlier report.
void aroundAshby(const TempDir& dir)
{
    using testsupport::parish;
    auto blank = records::makeRecord({"A new record is Added", " ", "   ", "   ", "      ", "   000", "  0000"});
    testsupport::writeDataFile(dir / "Parishes.Dat",
                               {
                                   testsupport::versionRecord(),
                                   parish("Ashby-de-la-Zouch", "T", "LEI", "ENG", "SK3515", 435, 315),
                                   parish("Castle Donington", "V", "LEI", "ENG", "SK4426", 444, 326),
                                   parish("Coalville", "T", "LEI", "ENG", "SK4212", 442, 312),
                                   parish("Hinckley", "T", "LEI", "ENG", "SP4293", 442, 293),
                                   parish("Loughborough", "T", "LEI", "ENG", "SK5318", 453, 318),
                                   parish("Measham", "V", "LEI", "ENG", "SK3311", 433, 311),
                                   parish("Melbourne", "V", "DBY", "ENG", "SK3824", 438, 324),
                                   parish("Oranmore", "V", "GAL", "IRL", "M3824", 138, 224),
                                   parish("Swadlincote", "T", "DBY", "ENG", "SK2918", 429, 318),
                                   parish("Ticknall", "V", "DBY", "ENG", "SK3522", 435, 322),
                                   parish("Welshpool", "T", "MGY", "WLS", "SJ2207", 322, 207),
                                   blank,
                               });
    testsupport::writeBytes(dir / "ParList.txt", "an earlier report\r\n");
}

// Parishes around Ashby with a map sheet file: Ashby lies on the shared edge
// of sheets 127 and 128 and on an inset; Oranmore on a Discovery sheet and
// inside a Landranger rectangle that must not be listed for it.
void aroundAshbyWithMaps(const TempDir& dir)
{
    aroundAshby(dir);
    using testsupport::mapSheet;
    testsupport::writeBytes(dir / "MapList.Dat", testsupport::mapListBytes({
                                                     mapSheet("LR", "127", "395", " 300", "N", "435", " 340"),
                                                     mapSheet("LR", "128", "435", " 300", "N", "475", " 340"),
                                                     mapSheet("LR", "900", "430", " 310", "I", "440", " 320"),
                                                     mapSheet("LR", "999", "100", " 200", "N", "140", " 240"),
                                                     mapSheet("DI", " 46", "120", " 210", "N", "160", " 240"),
                                                 }));
}

// The version record and 1100 parishes close together, for the 1000-hit limit.
void crowdedParishes(const TempDir& dir)
{
    auto records = testsupport::numberedParishes(1101);
    records[0] = testsupport::versionRecord();
    testsupport::writeDataFile(dir / "Parishes.Dat", records);
}

// Parishes around Ashby, and a report file that is no report.
void notAReport(const TempDir& dir)
{
    aroundAshby(dir);
    testsupport::writeBytes(dir / "ParList.txt", "short\r\nlines\r\n");
}

// Twenty records and a county code list with a cp1252 name.
void withCountyCodes(const TempDir& dir)
{
    twentyRecords(dir);
    testsupport::writeBytes(dir / "county.TXT", "Code  County\r\nLEI   Leicestershire\r\nYNY   Ynys M\xF4n\r\n");
}

// Twenty records and a search history under its own spelling.
void historyOwnSpelling(const TempDir& dir)
{
    twentyRecords(dir);
    testsupport::writeBytes(dir / "histlist.TXT", "zed\nash\n250");
}

// Twenty records and a CSV file of an earlier report, but no report.
void csvWithoutReport(const TempDir& dir)
{
    twentyRecords(dir);
    testsupport::writeBytes(dir / "ParList.csv", "\"kept\",\r\n");
}

// Two parishes and no version record.
void twoParishes(const TempDir& dir)
{
    testsupport::writeDataFile(dir / "Parishes.Dat", testsupport::numberedParishes(2));
}

// Names out of order: capitals and lower case, trailing blanks, a marked
// record, inserted blank records, and the version record at index 0.
void unsortedNames(const TempDir& dir)
{
    using testsupport::parish;
    auto stored = [](std::string name) {
        return records::makeRecord({std::move(name), "A", "LEI", "ENG", "SK3516", "   435", "   316"});
    };
    auto blank = records::makeRecord({"A new record is Added", " ", "   ", "   ", "      ", "   000", "  0000"});
    testsupport::writeDataFile(dir / "Parishes.Dat",
                               {testsupport::versionRecord(), parish("Zennor", "V", "CON", "ENG", "SW4538", 145, 38),
                                stored("ashby"), blank, stored("Ashby "), stored("Ashby"), stored("~Aston"),
                                stored("ASHBY"), blank, parish("Abbots Langley", "V", "HRT", "ENG", "TL0901", 509, 201),
                                stored("\xC9glise"), stored("3 Mile Cross")});
}

// n numbered parishes from the version record on.
template <int N> void numbered(const TempDir& dir)
{
    auto records = testsupport::numberedParishes(N);
    records[0] = testsupport::versionRecord();
    testsupport::writeDataFile(dir / "Parishes.Dat", records);
}

// The data file with a damaged end, and a back-up of whole records.
void damagedWithBackUp(const TempDir& dir, const TempDir& disk)
{
    partialLastRecord(dir);
    auto records = testsupport::numberedParishes(5);
    records[0] = testsupport::versionRecord();
    testsupport::writeDataFile(disk / "Parishes.Bak", records);
}

// A back-up under another spelling, cut short.
void damagedBackUp(const TempDir&, const TempDir& disk)
{
    testsupport::writeBytes(disk / "PARISHES.BAK", std::string(77 * 3 + 10, 'x'));
}

void emptyDisk(const TempDir&, const TempDir&) {}

// Twenty records and the maintainer's good copy: the version record and five parishes.
void withGoodCopy(const TempDir& dir)
{
    twentyRecords(dir);
    auto copy = testsupport::numberedParishes(6);
    copy[0] = testsupport::versionRecord("2.0");
    testsupport::writeDataFile(dir / "KeepGoodCopy of Parishes.Dat", copy);
}

// Counties that are "MON" exactly, and ones that only look like it.
void monmouthshire(const TempDir& dir)
{
    using testsupport::parish;
    testsupport::writeDataFile(dir / "Parishes.Dat", {
                                                         testsupport::versionRecord(),
                                                         parish("Abergavenny", "T", "MON", "ENG", "SO2914", 329, 214),
                                                         parish("Chepstow", "T", "mon", "ENG", "ST5393", 353, 193),
                                                         parish("Monmouth", "T", "MO", "ENG", "SO5012", 350, 212),
                                                         parish("Usk", "T", " MO", "ENG", "SO3700", 337, 200),
                                                         parish("Caldicot", "V", "MON", "WLS", "ST4888", 348, 188),
                                                         parish("Raglan", "V", "MON", "", "SO4107", 341, 207),
                                                     });
}

// A sheet list with one line for each check of Verify Map List, a good
// Landranger sheet, a good Discovery sheet, a short line and one that fails
// several checks.
void sheetChecks(const TempDir& dir)
{
    twentyRecords(dir);
    testsupport::writeBytes(dir / "MAPLIST.TXT", "LR127395 300N435 340\r\n" // good
                                                 "DI 46120 210N160 240\r\n" // good
                                                 "LR001100 200X140 240\r\n" // inset flag
                                                 "DI002140 200N140 230\r\n" // west not below east
                                                 "DI003100 230N130 230\r\n" // south not below north
                                                 "DI004100 200I143 230\r\n" // more than 42 wide
                                                 "DI005100 200I130 243\r\n" // more than 42 high
                                                 "OS006100 200N140 240\r\n" // series
                                                 "LR007100 200N139 240\r\n" // sheet not 40 wide
                                                 "LR008100 200N140 241\r\n" // sheet not 40 high
                                                 "LR009100 2\r\n" // short
                                                 "XX010200 300Q100 200\r\n"); // many
}

// An empty sheet list.
void emptySheetList(const TempDir& dir)
{
    twentyRecords(dir);
    testsupport::writeBytes(dir / "Maplist.txt", "");
}

// Parishes around Ashby and a sheet list: Ashby on the shared edge of sheets
// 127 and 128, Welshpool on a Discovery sheet only, Oranmore (Irish) on none.
void aroundAshbyWithSheetList(const TempDir& dir)
{
    aroundAshby(dir);
    testsupport::writeBytes(dir / "maplist.txt", "LR127395 300N435 340\r\n"
                                                 "LR128435 300N475 340\r\n"
                                                 "DI 99300 190N340 230\r\n"
                                                 "LR900430 310I440 320\r\n");
}

// A name field whose length byte says 45 over "Ashby" and NUL padding.
void nulInName(const TempDir& dir)
{
    auto padded = testsupport::parish("Ashby", "A", "LEI", "ENG", "SK3516", 435, 316);
    std::fill(padded.bytes.begin() + 6, padded.bytes.begin() + 46, '\0');
    testsupport::writeDataFile(dir / "Parishes.Dat", {testsupport::versionRecord(), padded});
}

// ------------------------------------------------------------ cases

struct GoldenCase {
    const char* name;
    void (*makeData)(const TempDir&);
    int status;
    bool scriptAsArgument = false; // else the script is standard input
    // Files the script writes, each compared with golden/<case>.<file>.
    std::vector<const char*> writes = {};
    // Fills the folder that stands for drive A:; without it there is no disk.
    void (*makeDisk)(const TempDir& dir, const TempDir& disk) = nullptr;
    // Files copied from golden/inputs into the working directory first.
    std::vector<const char*> inputs = {};
    // Every case has the small ReadMe.rtf of golden/inputs, unless it is about its absence.
    bool readMe = true;
    // The driver runs with STEEPLEWATCHER_MY_TOOLS=1: the maintainer's menu is shown.
    bool myTools = false;
};

// Names the case in test output.
void PrintTo(const GoldenCase& c, std::ostream* os)
{
    *os << c.name;
}

const GoldenCase kCases[] = {
    {"start_view", twentyRecords, 0, true},
    {"step_keys", twentyRecords, 0},
    {"page_keys", twentyRecords, 0},
    {"home_end", twentyRecords, 0},
    {"empty_file", emptyDataFile, 0},
    {"partial_record", partialLastRecord, 0},
    {"missing_file", noDataFile, 0},
    {"close", twentyRecords, 2},
    {"texts", storedTexts, 0},
    {"controls", twentyRecords, 2},
    {"unknown_command", twentyRecords, 2},
    {"unanswered", twentyRecords, 3},
    {"answers_left", twentyRecords, 4, true},
    {"search", searchFile, 0, false, {"HistList.txt"}},
    {"history_menu", searchFile, 0, false, {"HistList.txt"}},
    {"history_shown_item", searchFile, 0, false, {"HistList.txt"}},
    {"distance", aroundAshby, 0},
    {"radius", aroundAshby, 0, false, {"ParList.txt", "PlotList.txt"}},
    {"radius_refused", aroundAshby, 0},
    {"county_list", aroundAshby, 0, false, {"ParList.txt", "ParList.csv"}},
    {"search_list", searchFile, 0, false, {"HistList.txt", "ParList.txt", "ParList.csv"}},
    {"empty_list", emptyDataFile, 0, false, {"ParList.txt", "ParList.csv"}},
    {"radius_csv", aroundAshby, 0, false, {"ParList.txt", "PlotList.txt", "ParList.csv"}},
    {"radius_empty_csv", aroundAshby, 0, false, {"ParList.txt", "PlotList.txt", "ParList.csv"}},
    {"viewer", aroundAshby, 0, false, {"ParList.txt"}},
    {"unknown_report", notAReport, 0, false, {"ParList.csv"}},
    {"map_sheets", aroundAshbyWithMaps, 0},
    {"map_missing", aroundAshby, 0},
    {"map_modal", aroundAshbyWithMaps, 2},
    {"show_location", aroundAshby, 0},
    {"county_codes", withCountyCodes, 0},
    {"csv_without_report", csvWithoutReport, 0},
    {"history_close", historyOwnSpelling, 0, false, {"histlist.TXT"}},
    {"mark_remove", twentyRecords, 0, false, {"Parishes.Dat"}},
    {"remove_all", twoParishes, 0, false, {"Parishes.Dat"}},
    {"maintenance_refused", partialLastRecord, 0},
    {"amend_insert", twentyRecords, 0, false, {"Parishes.Dat"}},
    {"insert_empty", emptyDataFile, 0, false, {"Parishes.Dat"}},
    {"county_codes_missing", twentyRecords, 0},
    {"sort", unsortedNames, 0, false, {"Parishes.Dat"}},
    {"sort_limit", numbered<30000>, 0},
    {"sort_too_many", numbered<30001>, 0},
    {"import_csv", twentyRecords, 0, false, {"Parishes.Dat"}, nullptr, {"places.csv", "polish.csv"}},
    {"import_empty", emptyDataFile, 0, false, {}, nullptr, {"empty.csv"}},
    {"radius_plot", aroundAshby, 0, false, {"ParList.txt"}},
    {"location_plot",
     aroundAshby,
     0,
     false,
     {"ParList.txt"},
     nullptr,
     {"UKCoast.Txt", "UKLocs.Txt", "IRLCoast.Txt", "IRLLocs.Txt"}},
    {"location_plot_missing", aroundAshby, 0, false, {}, nullptr, {"UKLocs.Txt"}},
    {"about", twentyRecords, 0, false, {"Parishes.Dat"}},
    {"history_nul", nulInName, 0, false, {"HistList.txt"}},
    {"read_me", twentyRecords, 0},
    {"read_me_missing", twentyRecords, 0, false, {}, nullptr, {}, false},
    {"back_up_restore", twentyRecords, 0, false, {"Parishes.Dat"}, emptyDisk},
    {"no_disk", twentyRecords, 0},
    {"restore_damaged", partialLastRecord, 0, false, {"Parishes.Dat"}, damagedWithBackUp},
    {"restore_refused", twentyRecords, 0, false, {}, damagedBackUp},
    {"create_test_file", withGoodCopy, 0, false, {"Parishes.Dat"}},
    {"tools_missing_files", twentyRecords, 0},
    {"convert_data", twentyRecords, 0, false, {"Parishes.Dat"}, nullptr, {"LoadPar.txt"}},
    {"convert_data_short", twentyRecords, 0, false, {"Parishes.Dat"}, nullptr, {"loadpar.TXT"}},
    {"batch", monmouthshire, 0, false, {"Parishes.Dat"}},
    {"batch_refused", partialLastRecord, 0},
    {"convert_map_data", twentyRecords, 0, false, {"MapList.Dat"}, nullptr, {"Maplist.txt"}},
    {"verify_map_list", sheetChecks, 0, false, {"Errlist.Txt"}},
    {"verify_map_list_empty", emptySheetList, 0, false, {"Errlist.Txt"}},
    {"map_check", aroundAshbyWithSheetList, 0, false, {"Errlist.Txt"}},
    {"my_tools_switch", twentyRecords, 0, false, {"Parishes.Dat"}, nullptr, {}, true, true},
};

// Every file of the folder with its bytes.
std::map<std::string, std::string> folderContent(const fs::path& dir)
{
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::directory_iterator(dir))
        files[entry.path().filename().string()] = testsupport::readBytes(entry.path());
    return files;
}

std::string readIfPresent(const fs::path& path)
{
    return fs::exists(path) ? testsupport::readBytes(path) : "";
}

fs::path writtenFile(const GoldenCase& c, const char* file)
{
    return kGolden / (std::string(c.name) + "." + file);
}

bool isWrittenBy(const GoldenCase& c, const std::string& file)
{
    return std::find(c.writes.begin(), c.writes.end(), file) != c.writes.end();
}

// Runs the built driver in dir, which it takes as its working directory as it
// is: "ARGUMENTS" as a shell would take them. The
// disk stands for drive A: (a folder that does not exist, when there is none).
testsupport::CommandRun runDriver(const TempDir& dir, const std::string& arguments,
                                  const fs::path& disk = "/nonexistent", bool myTools = false)
{
    const TempDir output; // not in dir, whose files the cases compare
    return testsupport::runCommand(std::string("STEEPLEWATCHER_MY_TOOLS=") + (myTools ? "1" : "0")
                                       + " STEEPLEWATCHER_DRIVE_A=" + testsupport::quoted(disk) + " "
                                       + testsupport::quoted(STEEPLEWATCHER_SCRIPT) + " --directory . " + arguments,
                                   dir.path(), output.path());
}

void updateGolden(const std::string& name, const testsupport::CommandRun& run)
{
    testsupport::writeBytes(kGolden / (name + ".expected"), run.out);
    fs::path errPath = kGolden / (name + ".stderr");
    if (!run.err.empty())
        testsupport::writeBytes(errPath, run.err);
    else
        fs::remove(errPath);
}

class Golden : public testing::TestWithParam<GoldenCase> {};

TEST_P(Golden, TranscriptAndStatusMatch)
{
    const GoldenCase& c = GetParam();
    const fs::path script = kGolden / (std::string(c.name) + ".script");
    ASSERT_TRUE(fs::exists(script)) << script;

    TempDir dir;
    c.makeData(dir);
    const TempDir disk;
    if (c.makeDisk)
        c.makeDisk(dir, disk);
    for (const char* input : c.inputs)
        fs::copy_file(kGolden / "inputs" / input, dir / input);
    if (c.readMe)
        fs::copy_file(kGolden / "inputs" / "ReadMe.rtf", dir / "ReadMe.rtf");
    const auto before = folderContent(dir.path());

    const auto run = runDriver(dir, (c.scriptAsArgument ? "" : "< ") + testsupport::quoted(script),
                               c.makeDisk ? disk.path() : fs::path("/nonexistent"), c.myTools);

    const char* updateVariable = std::getenv("STEEPLEWATCHER_UPDATE_GOLDEN");
    const bool update = updateVariable && std::string(updateVariable) == "1";
    if (update)
        updateGolden(c.name, run);

    EXPECT_EQ(run.out, readIfPresent(kGolden / (std::string(c.name) + ".expected")));
    EXPECT_EQ(run.err, readIfPresent(kGolden / (std::string(c.name) + ".stderr")));
    EXPECT_EQ(run.status, c.status);
    const auto after = folderContent(dir.path());
    for (const char* file : c.writes) {
        ASSERT_TRUE(after.count(file)) << file << " was not written";
        if (update)
            testsupport::writeBytes(writtenFile(c, file), after.at(file));
        EXPECT_EQ(after.at(file), readIfPresent(writtenFile(c, file))) << file;
    }
    for (const auto& [file, bytes] : before) {
        if (isWrittenBy(c, file))
            continue;
        auto found = after.find(file);
        ASSERT_NE(found, after.end()) << file << " was removed";
        EXPECT_EQ(found->second, bytes) << file << " changed";
    }
}

INSTANTIATE_TEST_SUITE_P(Driver, Golden, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<GoldenCase>& param) { return std::string(param.param.name); });

// More than 1000 parishes qualify: the pass stops at the 1000th hit, in file
// order, and the report, the plot points, the CSV and the printout hold them all.
TEST(DriverProgram, ARadiusPassStopsAtTheThousandthHitAndEveryOutputHoldsIt)
{
    TempDir dir;
    crowdedParishes(dir);
    fs::copy_file(kGolden / "inputs" / "ReadMe.rtf", dir / "ReadMe.rtf");
    const auto run = runDriver(dir, "< " + testsupport::quoted(kGolden / "radius_max.script"));
    ASSERT_EQ(run.status, 0) << run.err;
    const auto transcript = text::splitLines(run.out); // LF lines split as well
    const auto report = text::splitLines(testsupport::readBytes(dir / "ParList.txt"));
    const auto plot = text::splitLines(testsupport::readBytes(dir / "PlotList.txt"));
    const auto csv = text::splitLines(testsupport::readBytes(dir / "ParList.csv"));
    ASSERT_EQ(report.size(), 9u + 1000u + 2u); // heading, hits, closing lines
    ASSERT_EQ(plot.size(), 1u + 1000u); // the centre, then the hits
    ASSERT_EQ(csv.size(), 1000u + 2u);
    auto name = [](std::size_t i) {
        std::string n = std::to_string(i);
        return "Parish " + std::string(5 - n.size(), '0') + n;
    };
    for (std::size_t i = 1; i <= 1000; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(report[8 + i].substr(0, 15), "   " + name(i));
        EXPECT_EQ(plot[i].substr(0, 12), name(i));
        EXPECT_EQ(csv[i - 1].substr(0, 13), "\"" + name(i));
    }
    EXPECT_EQ(report.back(), "     Program Terminated with Maximum 1000 Matches");
    EXPECT_EQ(csv.back().substr(0, 47), "\"  Program Terminated with Maximum 1000 Matche\"");

    // The transcript: the warning, the viewer, the count, then the report printed
    // line for line in pages of 65 lines.
    ASSERT_GT(transcript.size(), 5u);
    EXPECT_EQ(
        std::vector<std::string>(transcript.begin(), transcript.begin() + 5),
        (std::vector<std::string>{"warning \"Program Terminated with Maximum 1000 Matches\" -> OK", "show ParListFm",
                                  "Hits = \"1000\"", "print-dialog -> OK", "print \"Steeplewatcher\""}));
    EXPECT_EQ(std::count_if(transcript.begin(), transcript.end(),
                            [](const std::string& l) { return l.starts_with("print-line "); }),
              static_cast<long>(report.size()));
    EXPECT_EQ(std::count(transcript.begin(), transcript.end(), "print-page"),
              static_cast<long>((report.size() - 1) / 65));
    EXPECT_EQ(transcript.back(), "print-end");
}

TEST(DriverProgram, RefusesAScriptItCannotRead)
{
    TempDir dir;
    twentyRecords(dir);
    auto run = runDriver(dir, "no-such.script < /dev/null");
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "steeplewatcher-script: cannot read no-such.script: No such file or directory\n");
    EXPECT_EQ(run.status, 2);

    run = runDriver(dir, "a b < /dev/null");
    EXPECT_EQ(run.err, "steeplewatcher-script: extra operand 'b'\n"
                       "Try 'steeplewatcher-script --help' for more information.\n");
    EXPECT_EQ(run.status, 2);

    // A folder, and a device that never ends, are refused rather than read.
    run = runDriver(dir, ". < /dev/null");
    EXPECT_EQ(run.err, "steeplewatcher-script: cannot read .: Is a directory\n");
    EXPECT_EQ(run.status, 2);
    run = runDriver(dir, "/dev/zero");
    EXPECT_EQ(run.err, "steeplewatcher-script: /dev/zero is larger than 64 MB\n");
    EXPECT_EQ(run.status, 2);
    // A line longer than the longest taken is named.
    testsupport::writeBytes(dir / "long.script", "state\n#" + std::string(70000, 'x') + "\n");
    run = runDriver(dir, "long.script");
    EXPECT_EQ(run.err, "line 2: a line is longer than 65536 characters\n");
    EXPECT_EQ(run.status, 2);
}

} // namespace
