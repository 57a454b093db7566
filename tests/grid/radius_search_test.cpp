#include "grid/radius_search.h"
#include "support/data_files.h"
#include "support/temp_dir.h"
#include "text/text_file.h"

#include <gtest/gtest.h>

using grid::RadiusOutcome;
using testsupport::parish;
using Lines = std::vector<std::string>;

namespace {

struct Counting : grid::RadiusProgress {
    std::vector<int> reads, hits;
    void recordsRead(std::int32_t n) override { reads.push_back(n); }
    void hitsFound(std::int32_t n) override { hits.push_back(n); }
};

struct Pass {
    testsupport::TempDir dir;
    records::RecordCursor cursor;
    Counting progress;

    explicit Pass(const std::vector<records::ParishRecord>& records)
    {
        testsupport::writeDataFile(dir / "Parishes.Dat", records);
        cursor.file.open(dir / "Parishes.Dat");
        cursor.position = -1;
    }
    RadiusOutcome run(std::int32_t radius, const grid::RadiusCentre& centre, double e1, double n1)
    {
        return grid::scanWithinRadius(cursor, centre, radius, e1, n1, progress);
    }
};

const grid::RadiusCentre kAshby{"10", "Ashby, A, LEI, ENG", "   435", "   316"};

Lines lines(const std::string& s)
{
    return text::splitLines(s);
}

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
    Pass p({
        testsupport::versionRecord(), // reads as 0: never listed
        parish("Ashby", "A", "LEI", "ENG", "SK3516", 435, 316), // itself, distance 0
        parish("Far Away", "A", "KEN", "ENG", "TQ0000", 535, 116), // beyond the radius
        parish("Northwards", "B", "LEI", "ENG", "SK3526", 435, 326),
        parish("Galway", "T", "GAL", "IRL", "M2925", 435, 316), // Irish: never with British
        parish("Blank", " ", "", "", "", 0, 0), // unplaced
        parish(std::string(45, 'L'), "A", "LEI", "WLS", "SK3516", 438, 312),
    });
    RadiusOutcome out = p.run(10, kAshby, 435, 316);
    Lines expected = kHeading;
    expected.push_back("   Ashby" + std::string(41, ' ') + "A LEI ENG SK3516   0.0  ");
    expected.push_back("   Northwards" + std::string(36, ' ') + "B LEI ENG SK3526   6.2 North");
    expected.push_back("   " + std::string(45, 'L') + " A LEI WLS SK3516   3.1 South East");
    EXPECT_EQ(lines(out.report), expected);
    EXPECT_EQ(out.report.substr(out.report.size() - 2), "\r\n");
    EXPECT_EQ(lines(out.plot), (Lines{
                                   "Ashby             435   316LEI",
                                   "Ashby             435   316LEI",
                                   "Northwards        435   326LEI",
                                   "LLLLLLLLLLLLLLL   438   312LEI",
                               }));
    EXPECT_EQ(out.hits, 3);
    EXPECT_EQ(out.recordsRead, 7);
    EXPECT_EQ(out.stop, RadiusOutcome::Stop::EndOfFile);
    EXPECT_EQ(p.progress.hits, (std::vector<int>{1, 2, 3}));
}

TEST(RadiusSearch, ZeroAndNegativeRadius)
{
    auto file = std::vector<records::ParishRecord>{
        parish("Ashby", "A", "LEI", "ENG", "SK3516", 435, 316),
        parish("Twin", "A", "LEI", "ENG", "SK3516", 435, 316),
        parish("Near", "A", "LEI", "ENG", "SK3517", 435, 317),
    };
    Pass zero(file);
    EXPECT_EQ(zero.run(0, kAshby, 435, 316).hits, 2);
    Pass negative(file);
    RadiusOutcome out = negative.run(-1, kAshby, 435, 316);
    EXPECT_EQ(out.hits, 0);
    EXPECT_EQ(lines(out.report).size(), 9u);
    EXPECT_EQ(lines(out.plot).size(), 1u);
}

TEST(RadiusSearch, IrishParishesAreComparedOnlyWithIrishOnes)
{
    Pass p({
        parish("Galway", "T", "GAL", "IRL", "M2925", 129, 225),
        parish("Oranmore", "V", "GAL", "IRL", "M3724", 137, 224),
        parish("Blankland", "V", "XXX", "", "M3724", 130, 225), // blank country: not Irish
    });
    grid::RadiusCentre galway{"10", "Galway, T, GAL, IRL", "   129", "   225"};
    RadiusOutcome out = p.run(10, galway, 129, 225);
    EXPECT_EQ(out.hits, 2);
    EXPECT_EQ(lines(out.plot)[0], "Galway            129   225GAL");
}

TEST(RadiusSearch, ABadPositionEndsThePassWithTheHitsSoFar)
{
    auto bad = parish("Nowhere", "A", "LEI", "ENG", "SK0000", 0, 0);
    bad.set(records::Field::Easting, "");
    auto badNorth = parish("Nowhere", "A", "LEI", "ENG", "SK0000", 435, 0);
    badNorth.set(records::Field::Northing, "31x");
    struct Case {
        records::ParishRecord bad;
        RadiusOutcome::Stop stop;
        int position;
    };
    for (const Case& c :
         {Case{bad, RadiusOutcome::Stop::BadEasting, 1}, Case{badNorth, RadiusOutcome::Stop::BadNorthing, 3}}) {
        Pass p({parish("Ashby", "A", "LEI", "ENG", "SK3516", 435, 316), c.bad,
                parish("Later", "A", "LEI", "ENG", "SK3516", 435, 316)});
        RadiusOutcome out = p.run(10, kAshby, 435, 316);
        EXPECT_EQ(out.stop, c.stop);
        EXPECT_EQ(out.errorPosition, c.position);
        EXPECT_EQ(out.hits, 1);
        EXPECT_EQ(p.cursor.position, 1);
    }
    // A bad position in a record of the other country group never stops the pass.
    auto irish = bad;
    irish.set(records::Field::Country, "IRL");
    Pass p({irish, parish("Ashby", "A", "LEI", "ENG", "SK3516", 435, 316)});
    EXPECT_EQ(p.run(10, kAshby, 435, 316).stop, RadiusOutcome::Stop::EndOfFile);
}

TEST(RadiusSearch, StopsAtTheThousandAndFirstHit)
{
    std::vector<records::ParishRecord> many(1002, parish("Same", "A", "LEI", "ENG", "SK3516", 435, 316));
    Pass p(many);
    RadiusOutcome out = p.run(1, kAshby, 435, 316);
    EXPECT_EQ(out.stop, RadiusOutcome::Stop::MaxHits);
    EXPECT_EQ(out.hits, 1000);
    Lines report = lines(out.report);
    ASSERT_EQ(report.size(), 9u + 1000 + 2);
    EXPECT_EQ(report[1009], "  ");
    EXPECT_EQ(report[1010], "     Program Terminated with Maximum 1000 Matches");
    EXPECT_EQ(lines(out.plot).size(), 1001u);
    EXPECT_EQ(p.progress.reads, (std::vector<int>{1000}));
    EXPECT_EQ(p.progress.hits.back(), 1001);
}

TEST(RadiusSearch, TheFirstParishTextIsCutWithinItsLength)
{
    struct Case {
        const char* text;
        const char* name;
        const char* county;
        const char* country;
    };
    const Case cases[] = {
        {"Ashby, A, LEI, ENG", "Ashby", "LEI", "ENG"},
        {"", "", "", ""},
        {"AB", "", "", "AB"},
        {"Ab, , LE, EN", "", ", L", " EN"}, // short fields: cut where the places fall
    };
    for (const auto& c : cases) {
        auto parts = grid::splitParish1(c.text);
        EXPECT_EQ(parts.name, c.name) << c.text;
        EXPECT_EQ(parts.county, c.county) << c.text;
        EXPECT_EQ(parts.country, c.country) << c.text;
    }
}
