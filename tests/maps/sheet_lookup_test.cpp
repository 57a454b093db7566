// The map sheet lookup over MapList.Dat bytes, and the street map address.
#include "maps/map_address.h"
#include "maps/sheet_lookup.h"
#include "support/data_files.h"
#include "text/io_error.h"

#include <gtest/gtest.h>

using testsupport::mapSheet;
using Lines = std::vector<std::string>;

// A Landranger sheet from 440, 200 to 480, 240.
static maps::MapSheetRecord lr(const char* no, const char* inset = "N")
{
    return mapSheet("LR", no, "440", " 200", inset, "480", " 240");
}

// The lines after the heading line, each ended by "|".
static std::string after(const Lines& lines)
{
    std::string s;
    for (std::size_t i = 1; i < lines.size(); ++i)
        s += lines[i] + "|";
    return s;
}

static std::string found(const std::string& sheet, int west, int south)
{
    return "Landranger  Sheet No. " + sheet + " and will be " + std::to_string(west)
           + "Km from the Western edge of the Map|" + std::string(45, ' ') + "and " + std::to_string(south)
           + "Km from the Southern Edge of the Map.| |";
}

static std::string inset(const std::string& sheet)
{
    return "Landranger  Sheet No. " + sheet + " and is shown as an inset.| |";
}

// Sheets sharing an edge (both, in file order), an inset flagged I and an Irish parish inside
// a Landranger rectangle (Discovery sheets only) are pinned by the driver's golden map case.
TEST(SheetLookup, SheetsAndEdges)
{
    const char* p = "P, A, LEI, ENG";
    // the parish's description, easting and northing, the sheets, what is found before "Done"
    const std::tuple<const char*, const char*, const char*, std::vector<maps::MapSheetRecord>, std::string> cases[] = {
        {p, "439", "200", {lr("174")}, ""}, // one km beyond the western edge
        {p, "450", "241", {lr("174")}, ""}, // one km beyond the northern edge
        // Every flag but "N" marks an inset (an "I" is pinned by the driver's golden map case).
        {p, "450", "210", {lr("2", " "), lr("3", ""), lr("4", "n")}, inset("2") + inset("3") + inset("4")},
        {"P, A, GAL, irl", "138", "224", {mapSheet("DI", "46", "120", " 210", "N", "160", " 240")}, ""}, // British
        {"RL", "450", "210", {lr("174")}, found("174", 10, 10)}, // shorter than three characters: Landranger
        // Numbers by their leading digits; a negative distance keeps its sign; numbers far apart do not overflow.
        {p, "45x", "12.5", {mapSheet("LR", "7", "-50", "  10", "N", " 50", "  20")}, found("7", 95, 2)},
        {p, "2147483647", "0", {mapSheet("LR", "1", "-99", "   0", "N", "999", "9999")}, ""},
        {p, "450", "210", {mapSheet("L", "1", "440", " 200", "N", "480", " 240")}, ""}, // the series code in full
        {p, "450", "210", {}, ""}, // an empty file
    };
    for (const auto& [description, east, north, sheets, listed] : cases) {
        Lines lines;
        maps::lookUpSheets({description, "", east, north}, testsupport::mapListBytes(sheets), lines);
        EXPECT_EQ(after(lines), " |" + listed + "Done|") << description << " " << east << " " << north;
    }
}

TEST(SheetLookup, ThePartialLastRecordFailsAfterTheWholeOnes)
{
    std::string bytes = testsupport::mapListBytes({lr("174")});
    Lines lines;
    try {
        maps::lookUpSheets({"P, A, LEI, ENG", "SK5010", "   450", "   210"}, bytes + bytes.substr(0, 10), lines);
        FAIL() << "no error";
    } catch (const text::IoError& e) {
        EXPECT_STREQ(e.what(), "MapList.Dat is damaged: its last map sheet record is incomplete");
    }
    EXPECT_EQ(after(lines), " |" + found("174", 10, 10)); // the sheet before the cut stays; no "Done"
}

TEST(MapAddress, MetresAtTheMiddleOfTheSquareOnAPlainHostOnly)
{
    // (The address itself is pinned by the driver's golden show-location case.)
    for (const char* host : {"maps.example.org", "127.0.0.1:8000"})
        EXPECT_EQ(maps::mapHostFrom(host), host);
    // Unset, empty, or more than a host name and a port: the default.
    for (const char* bad :
         {(const char*)nullptr, "", "evil.example/x?", "host:", "host:80a", ":80", "-host", "user@host"})
        EXPECT_EQ(maps::mapHostFrom(bad), "www.streetmap.co.uk") << (bad ? bad : "(unset)");
}
