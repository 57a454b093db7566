#include "grid/radius_search.h"
#include "support/data_files.h"
#include "text/text_file.h"

#include <gtest/gtest.h>

using grid::RadiusOutcome;
using testsupport::parish;
using Lines = std::vector<std::string>;
using text::splitLines;

namespace {

struct Counting : grid::RadiusProgress {
    std::vector<int> reads, hits;
    void recordsRead(std::int32_t n) override { reads.push_back(n); }
    void hitsFound(std::int32_t n) override { hits.push_back(n); }
};

struct Pass : testsupport::OpenDataFile {
    using OpenDataFile::OpenDataFile;
    Counting progress;
    RadiusOutcome run(std::int32_t radius, const grid::RadiusCentre& centre, double e1, double n1)
    {
        return grid::scanWithinRadius(cursor, centre, radius, e1, n1, progress);
    }
};

const grid::RadiusCentre kAshby{"10", "Ashby, A, LEI, ENG", "   435", "   316"};

const Lines kHeading = {
    "      Steeplewatcher Report",
    "      =====================",
    "                     ",
    "   The following list of Parishes are within a ",
    "    10 Mile Radius of Ashby, A, LEI, ENG.",
    "            ",
    "   Parish Name                          Type,County,Country,OsRef   Distance & Direction",
    "   ===========                          =========================   ==================== ",
    " ",
};

} // namespace

TEST(RadiusSearch, ListsParishesWithinTheRadiusWithDistanceAndDirection)
{
    Pass p({testsupport::versionRecord(), // reads as 0: never listed
            parish("Ashby", "A", "LEI", "ENG", "SK3516", 435, 316), // itself, distance 0
            parish("Far Away", "A", "KEN", "ENG", "TQ0000", 535, 116), // beyond the radius
            parish("Northwards", "B", "LEI", "ENG", "SK3526", 435, 326),
            parish("Galway", "T", "GAL", "IRL", "M2925", 435, 316), // Irish: never with British
            parish("Blank", " ", "", "", "", 0, 0), // unplaced
            parish(std::string(45, 'L'), "A", "LEI", "WLS", "SK3516", 438, 312)});
    RadiusOutcome out = p.run(10, kAshby, 435, 316);
    Lines expected = kHeading;
    expected.push_back("   Ashby" + std::string(41, ' ') + "A LEI ENG SK3516   0.0  ");
    expected.push_back("   Northwards" + std::string(36, ' ') + "B LEI ENG SK3526   6.2 North");
    expected.push_back("   " + std::string(45, 'L') + " A LEI WLS SK3516   3.1 South East");
    EXPECT_EQ(splitLines(out.report), expected);
    EXPECT_EQ(out.report.substr(out.report.size() - 2), "\r\n");
    EXPECT_EQ(out.plot, "Ashby             435   316LEI\r\nAshby             435   316LEI\r\n"
                        "Northwards        435   326LEI\r\nLLLLLLLLLLLLLLL   438   312LEI\r\n");
    EXPECT_EQ(std::tuple(out.hits, out.recordsRead, out.stop), std::tuple(3, 7, RadiusOutcome::Stop::EndOfFile));
    EXPECT_EQ(p.progress.hits, (std::vector<int>{1, 2, 3}));
}

TEST(RadiusSearch, WhatIsCountedAndWhereThePassStops)
{
    using Stop = RadiusOutcome::Stop;
    auto ashby = parish("Ashby", "A", "LEI", "ENG", "SK3516", 435, 316), noEast = ashby, badNorth = ashby;
    noEast.set(records::Field::Easting, "");
    badNorth.set(records::Field::Northing, "31x");
    auto irishNoEast = noEast;
    irishNoEast.set(records::Field::Country, "IRL");
    auto near = parish("Near", "A", "LEI", "ENG", "SK3517", 435, 317);
    const std::vector<records::ParishRecord> irish{parish("Galway", "T", "GAL", "IRL", "M2925", 129, 225),
                                                   parish("Oranmore", "V", "GAL", "IRL", "M3724", 137, 224),
                                                   parish("Blankland", "V", "XXX", "", "M3724", 130, 225)};
    const grid::RadiusCentre galway{"10", "Galway, T, GAL, IRL", "   129", "   225"};
    struct Case {
        const char* what;
        std::int32_t radius;
        int hits;
        Stop stop;
        int errorPosition, position; // where the pass stopped
        std::vector<records::ParishRecord> records;
    };
    const Case cases[] = {
        {"radius 0: the same square only", 0, 2, Stop::EndOfFile, 0, 3, {ashby, ashby, near}},
        {"a negative radius: none", -1, 0, Stop::EndOfFile, 0, 2, {ashby, ashby}},
        {"an Irish centre: Irish parishes only; a blank country is not Irish", 10, 2, Stop::EndOfFile, 0, 3, irish},
        {"a bad easting ends the pass with the hits so far", 10, 1, Stop::BadEasting, 1, 1, {ashby, noEast, ashby}},
        {"a bad northing too", 10, 1, Stop::BadNorthing, 3, 1, {ashby, badNorth, ashby}},
        {"a bad position of the other country group is never read",
         10,
         1,
         Stop::EndOfFile,
         0,
         2,
         {irishNoEast, ashby}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Pass p(c.records);
        bool isIrish = c.records == irish;
        RadiusOutcome out = isIrish ? p.run(c.radius, galway, 129, 225) : p.run(c.radius, kAshby, 435, 316);
        EXPECT_EQ(out.hits, c.hits);
        EXPECT_EQ(out.stop, c.stop);
        EXPECT_EQ(out.errorPosition, c.errorPosition);
        EXPECT_EQ(p.cursor.position, c.position);
        EXPECT_EQ(splitLines(out.report).size(), static_cast<std::size_t>(9 + c.hits));
        EXPECT_EQ(splitLines(out.plot).size(), static_cast<std::size_t>(1 + c.hits));
        EXPECT_EQ(splitLines(out.plot)[0],
                  isIrish ? "Galway            129   225GAL" : "Ashby             435   316LEI");
    }
}

TEST(RadiusSearch, StopsAtTheThousandAndFirstHit)
{
    Pass p(std::vector<records::ParishRecord>(1002, parish("Same", "A", "LEI", "ENG", "SK3516", 435, 316)));
    RadiusOutcome out = p.run(1, kAshby, 435, 316);
    EXPECT_EQ(out.stop, RadiusOutcome::Stop::MaxHits);
    EXPECT_EQ(out.hits, 1000);
    Lines report = splitLines(out.report);
    ASSERT_EQ(report.size(), 9u + 1000 + 2);
    EXPECT_EQ(Lines(report.end() - 3, report.end()),
              (Lines{report[9], "  ", "     Program Terminated with Maximum 1000 Matches"}));
    EXPECT_EQ(splitLines(out.plot).size(), 1001u);
    EXPECT_EQ(p.progress.reads, (std::vector<int>{1000}));
    EXPECT_EQ(p.progress.hits.back(), 1001);
}

TEST(RadiusSearch, TheFirstParishTextIsCutWithinItsLength)
{
    // name|county|country; short texts are cut where the places fall.
    const std::pair<const char*, const char*> cases[] = {
        {"Ashby, A, LEI, ENG", "Ashby|LEI|ENG"}, {"", "||"}, {"AB", "||AB"}, {"Ab, , LE, EN", "|, L| EN"}};
    for (const auto& [text, parts] : cases) {
        auto p = grid::splitParish1(text);
        EXPECT_EQ(std::string(p.name) + "|" + std::string(p.county) + "|" + std::string(p.country), parts) << text;
    }
}
