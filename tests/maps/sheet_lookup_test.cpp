// The map sheet lookup over MapList.Dat bytes, and the street map address.
#include "maps/map_address.h"
#include "maps/sheet_lookup.h"
#include "support/data_files.h"
#include "text/io_error.h"

#include <gtest/gtest.h>

using maps::ParishPlace;
using testsupport::mapSheet;
using Lines = std::vector<std::string>;

namespace {

const std::string k45(45, ' ');
const std::string kSheetNo = "Landranger  Sheet No. ";
const maps::MapSheetRecord k174 = mapSheet("LR", "174", "440", " 200", "N", "480", " 240");

Lines found(const std::string& sheet, int west, int south)
{
    return {kSheetNo + sheet + " and will be " + std::to_string(west) + "Km from the Western edge of the Map",
            k45 + "and " + std::to_string(south) + "Km from the Southern Edge of the Map.", " "};
}

Lines operator+(Lines a, const Lines& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

TEST(SheetLookup, SheetsAndEdges)
{
    const ParishPlace p{"P, A, LEI, ENG", "", "450", "210"};
    auto inset = [](const char* no, const char* flag) {
        return mapSheet("LR", no, "440", " 200", flag, "480", " 240");
    };
    struct Case {
        const char* what;
        ParishPlace place;
        std::vector<maps::MapSheetRecord> sheets;
        Lines after; // the lines after the header and " ", before "Done"
    } cases[] = {
        {"the worked example", p, {k174}, found("174", 10, 10)},
        {"on the line between two sheets: both, in file order",
         {"P, A, LEI, ENG", "", "480", "240"},
         {mapSheet("LR", "175", "480", " 200", "N", "520", " 240"),
          mapSheet("LR", "9", "600", " 600", "N", "640", " 640"), k174},
         found("175", 0, 40) + found("174", 40, 40)},
        {"one km beyond every edge: none", {"P, A, LEI, ENG", "", "439", "200"}, {k174}, {}},
        {"inset flagged I, blank, empty or n: one line each, no distances",
         p,
         {inset("1", "I"), inset("2", " "), inset("3", ""), inset("4", "n")},
         {kSheetNo + "1 and is shown as an inset.", " ", kSheetNo + "2 and is shown as an inset.", " ",
          kSheetNo + "3 and is shown as an inset.", " ", kSheetNo + "4 and is shown as an inset.", " "}},
        {"Irish: only Discovery sheets",
         {"Oranmore, V, GAL, IRL", "M3824", "138", "224"},
         {mapSheet("LR", "100", "100", " 200", "N", "140", " 240"),
          mapSheet("DI", "46", "120", " 210", "N", "160", " 240")},
         {"Discovery  Sheet No. 46 and will be 18Km from the Western edge of the Map",
          k45 + "and 14Km from the Southern Edge of the Map.", " "}},
        {"British: never Discovery sheets; lower-case irl is British",
         {"P, A, GAL, irl", "", "138", "224"},
         {mapSheet("DI", "46", "120", " 210", "N", "160", " 240")},
         {}},
        {"description shorter than three characters: Landranger",
         {"RL", "", "450", "210"},
         {k174},
         found("174", 10, 10)},
        {"numbers by their leading digits; a negative distance keeps its sign",
         {"P, A, LEI, ENG", "", "45x", "12.5"},
         {mapSheet("LR", "7", "-50", "  10", "N", " 50", "  20")},
         found("7", 95, 2)},
        {"numbers far apart do not overflow",
         {"P, A, LEI, ENG", "", "2147483647", "0"},
         {mapSheet("LR", "1", "-99", "   0", "N", "999", "9999")},
         {}},
        {"series code must match in length too", p, {mapSheet("L", "1", "440", " 200", "N", "480", " 240")}, {}},
        {"an empty file", p, {}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Lines lines;
        maps::lookUpSheets(c.place, testsupport::mapListBytes(c.sheets), lines);
        ASSERT_GE(lines.size(), 2u);
        EXPECT_EQ(lines[1], " ");
        EXPECT_EQ(Lines(lines.begin() + 2, lines.end()), c.after + Lines{"Done"});
    }
}

TEST(SheetLookup, ThePartialLastRecordFailsAfterTheWholeOnes)
{
    std::string bytes = testsupport::mapListBytes({k174});
    bytes += bytes.substr(0, 10);
    Lines lines;
    try {
        maps::lookUpSheets({"Somewhere, A, LEI, ENG", "SK5010", "   450", "   210"}, bytes, lines);
        FAIL() << "no error";
    } catch (const text::IoError& e) {
        EXPECT_STREQ(e.what(), "MapList.Dat is damaged: its last map sheet record is incomplete");
    }
    // The sheet before the cut stays listed; "Done" is not added.
    Lines header{"Somewhere, A, LEI, ENG, SK5010,    450,    210, will be found on:- ", " "};
    EXPECT_EQ(lines, header + found("174", 10, 10));
}

TEST(MapAddress, MetresAtTheMiddleOfTheSquareOnAPlainHostOnly)
{
    EXPECT_EQ(maps::streetMapAddress("localhost:8080", "450", "1210"),
              "http://localhost:8080/streetmap.dll?grid2map?X=450500&Y=1210500&arrow=Y&zoom=5");
    EXPECT_EQ(maps::streetMapAddress("www.streetmap.co.uk", "0", "7"),
              "http://www.streetmap.co.uk/streetmap.dll?grid2map?X=0500&Y=7500&arrow=Y&zoom=5");
    for (const char* host : {"maps.example.org", "127.0.0.1:8000"})
        EXPECT_EQ(maps::mapHostFrom(host), host);
    // Unset, empty, or more than a host name and a port: the default.
    for (const char* bad :
         {(const char*)nullptr, "", "evil.example/x?", "host:", "host:80a", ":80", "-host", "user@host"})
        EXPECT_EQ(maps::mapHostFrom(bad), "www.streetmap.co.uk") << (bad ? bad : "(unset)");
}

} // namespace
