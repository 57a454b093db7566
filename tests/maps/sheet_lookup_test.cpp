// The map sheet lookup over MapList.Dat bytes built record by record.
#include "maps/map_sheet_record.h"
#include "maps/sheet_lookup.h"
#include "text/io_error.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using maps::lookUpSheets;
using maps::MapSheetRecord;
using maps::ParishPlace;
using maps::SheetField;
using Lines = std::vector<std::string>;

namespace {

struct Sheet {
    const char* series;
    const char* number;
    const char* west;
    const char* south;
    const char* inset;
    const char* east;
    const char* north;
};

std::string recordBytes(const Sheet& s)
{
    MapSheetRecord r;
    r.set(SheetField::SeriesCode, s.series);
    r.set(SheetField::SheetNo, s.number);
    r.set(SheetField::WestKm, s.west);
    r.set(SheetField::SouthKm, s.south);
    r.set(SheetField::InsetFlag, s.inset);
    r.set(SheetField::EastKm, s.east);
    r.set(SheetField::NorthKm, s.north);
    return std::string(r.bytes.data(), r.bytes.size());
}

std::string mapList(const std::vector<Sheet>& sheets)
{
    std::string bytes;
    for (const Sheet& s : sheets)
        bytes += recordBytes(s);
    return bytes;
}

const std::string k45(45, ' ');

Lines lookUp(const ParishPlace& place, const std::string& bytes)
{
    Lines lines;
    lookUpSheets(place, bytes, lines);
    return lines;
}

const ParishPlace kAt450x210 = {"Somewhere, A, LEI, ENG", "SK5010", "   450", "   210"};
const std::string kHeader = "Somewhere, A, LEI, ENG, SK5010,    450,    210, will be found on:- ";

} // namespace

TEST(SheetLookup, TheWorkedExample)
{
    auto lines = lookUp(kAt450x210, mapList({{"LR", "174", "440", " 200", "N", "480", " 240"}}));
    EXPECT_EQ(lines, (Lines{kHeader, " ", "Landranger  Sheet No. 174 and will be 10Km from the Western edge of the Map",
                            k45 + "and 10Km from the Southern Edge of the Map.", " ", "Done"}));
}

TEST(SheetLookup, SheetsAndEdges)
{
    const std::string ordinaryLine = "Landranger  Sheet No. ";
    struct Case {
        const char* what;
        ParishPlace place;
        std::vector<Sheet> sheets;
        Lines after; // the lines after the header and " "
    } cases[] = {
        {"on the western edge: 0 km",
         {"P, A, LEI, ENG", "", "440", "220"},
         {{"LR", "174", "440", " 200", "N", "480", " 240"}},
         {ordinaryLine + "174 and will be 0Km from the Western edge of the Map",
          k45 + "and 20Km from the Southern Edge of the Map.", " ", "Done"}},
        {"on the line between two sheets: both, in file order",
         {"P, A, LEI, ENG", "", "480", "240"},
         {{"LR", "175", "480", " 200", "N", "520", " 240"},
          {"LR", "999", "600", " 600", "N", "640", " 640"},
          {"LR", "174", "440", " 200", "N", "480", " 240"}},
         {ordinaryLine + "175 and will be 0Km from the Western edge of the Map",
          k45 + "and 40Km from the Southern Edge of the Map.", " ",
          ordinaryLine + "174 and will be 40Km from the Western edge of the Map",
          k45 + "and 40Km from the Southern Edge of the Map.", " ", "Done"}},
        {"one km beyond every edge: none",
         {"P, A, LEI, ENG", "", "439", "200"},
         {{"LR", "174", "440", " 200", "N", "480", " 240"}},
         {"Done"}},
        {"inset flagged I, blank and empty: one line each, no distances",
         {"P, A, LEI, ENG", "", "450", "210"},
         {{"LR", "1", "440", " 200", "I", "480", " 240"},
          {"LR", "2", "440", " 200", " ", "480", " 240"},
          {"LR", "3", "440", " 200", "", "480", " 240"},
          {"LR", "4", "440", " 200", "n", "480", " 240"}},
         {ordinaryLine + "1 and is shown as an inset.", " ", ordinaryLine + "2 and is shown as an inset.", " ",
          ordinaryLine + "3 and is shown as an inset.", " ", ordinaryLine + "4 and is shown as an inset.", " ",
          "Done"}},
        {"Irish: only Discovery sheets",
         {"Oranmore, V, GAL, IRL", "M3824", "138", "224"},
         {{"LR", "100", "100", " 200", "N", "140", " 240"}, {"DI", "46", "120", " 210", "N", "160", " 240"}},
         {"Discovery  Sheet No. 46 and will be 18Km from the Western edge of the Map",
          k45 + "and 14Km from the Southern Edge of the Map.", " ", "Done"}},
        {"British: never Discovery sheets, and lower-case irl is British",
         {"P, A, GAL, irl", "", "138", "224"},
         {{"DI", "46", "120", " 210", "N", "160", " 240"}},
         {"Done"}},
        {"description shorter than three characters: Landranger",
         {"RL", "", "450", "210"},
         {{"LR", "174", "440", " 200", "N", "480", " 240"}},
         {ordinaryLine + "174 and will be 10Km from the Western edge of the Map",
          k45 + "and 10Km from the Southern Edge of the Map.", " ", "Done"}},
        {"empty easting and northing read as 0",
         {"P, A, LEI, ENG", "", "", ""},
         {{"LR", "  0", "  0", "   0", "N", " 40", "  40"}},
         {ordinaryLine + "  0 and will be 0Km from the Western edge of the Map",
          k45 + "and 0Km from the Southern Edge of the Map.", " ", "Done"}},
        {"numbers by their leading digits; a negative distance keeps its sign",
         {"P, A, LEI, ENG", "", "45x", "12.5"},
         {{"LR", "7", "-50", "  10", "N", " 50", "  20"}},
         {ordinaryLine + "7 and will be 95Km from the Western edge of the Map",
          k45 + "and 2Km from the Southern Edge of the Map.", " ", "Done"}},
        {"series code must match in length too",
         {"P, A, LEI, ENG", "", "450", "210"},
         {{"L", "1", "440", " 200", "N", "480", " 240"}},
         {"Done"}},
        {"an empty file: header, blank, Done", {"P, A, LEI, ENG", "", "450", "210"}, {}, {"Done"}},
    };
    for (const Case& c : cases) {
        auto lines = lookUp(c.place, mapList(c.sheets));
        ASSERT_GE(lines.size(), 2u) << c.what;
        EXPECT_EQ(lines[1], " ") << c.what;
        EXPECT_EQ(Lines(lines.begin() + 2, lines.end()), c.after) << c.what;
    }
}

TEST(SheetLookup, NumbersFarApartDoNotOverflow)
{
    auto lines =
        lookUp({"P, A, LEI, ENG", "", "2147483647", "0"}, mapList({{"LR", "1", "-99", "   0", "N", "999", "9999"}}));
    // The easting lies beyond the sheet, so nothing is listed, and nothing overflowed.
    EXPECT_EQ(lines.back(), "Done");
    EXPECT_EQ(lines.size(), 3u);
}

TEST(SheetLookup, ThePartialLastRecordFailsAfterTheWholeOnes)
{
    std::string bytes = mapList({{"LR", "174", "440", " 200", "N", "480", " 240"}});
    bytes += bytes.substr(0, 10);
    Lines lines;
    try {
        lookUpSheets(kAt450x210, bytes, lines);
        FAIL() << "no error";
    } catch (const text::IoError& e) {
        EXPECT_EQ(std::string(e.what()), "MapList.Dat is damaged: its last map sheet record is incomplete");
    }
    // The sheet before the cut stays listed; "Done" is not added.
    EXPECT_EQ(lines, (Lines{kHeader, " ", "Landranger  Sheet No. 174 and will be 10Km from the Western edge of the Map",
                            k45 + "and 10Km from the Southern Edge of the Map.", " "}));
}

TEST(SheetLookup, LengthBytesBeyondTheirFieldsReadClamped)
{
    std::string bytes = recordBytes({"LR", "174", "440", " 200", "N", "480", " 240"});
    for (std::size_t offset : {0u, 3u, 7u, 11u, 16u, 18u, 22u})
        bytes[offset] = static_cast<char>(0xFF);
    auto lines = lookUp(kAt450x210, bytes);
    EXPECT_EQ(lines, (Lines{kHeader, " ", "Landranger  Sheet No. 174 and will be 10Km from the Western edge of the Map",
                            k45 + "and 10Km from the Southern Edge of the Map.", " ", "Done"}));
}
