#include "grid/radius_search.h"
#include "support/data_files.h"
#include "text/text_file.h"

#include <gtest/gtest.h>

using grid::RadiusOutcome;
using testsupport::parish;

struct NoProgress : grid::RadiusProgress {
    void recordsRead(std::int32_t) override {}
    void hitsFound(std::int32_t) override {}
};

// Whole reports and plot files (hits, distances, directions, Irish and unplaced
// records left out, the 1000-hit stop) are pinned by the driver's golden radius cases.
TEST(RadiusSearch, WhatIsCountedAndWhereThePassStops)
{
    using Stop = RadiusOutcome::Stop;
    auto ashby = parish("Ashby", "A", "LEI", "ENG", "SK3516", 435, 316), noEast = ashby, badNorth = ashby;
    noEast.set(records::Field::Easting, "");
    badNorth.set(records::Field::Northing, "31x");
    auto irishNoEast = noEast;
    irishNoEast.set(records::Field::Country, "IRL");
    auto near = parish("Near", "A", "LEI", "ENG", "SK3517", 435, 317);
    auto eastZero = parish("Unplaced", "A", "LEI", "ENG", "SK3516", 0, 316);
    auto northZero = parish("Unplaced", "A", "LEI", "ENG", "SK3516", 435, 0);
    const std::vector<records::ParishRecord> irish{parish("Galway", "T", "GAL", "IRL", "M2925", 129, 225),
                                                   parish("Oranmore", "V", "GAL", "IRL", "M3724", 137, 224),
                                                   parish("Blankland", "V", "XXX", "", "M3724", 130, 225)};
    const grid::RadiusCentre galway{"10", "Galway, T, GAL, IRL", "   129", "   225"},
        ashbyCentre{"10", "Ashby, A, LEI, ENG", "   435", "   316"};
    // radius, hits, how the pass stopped, the error position, where it stopped, the records
    const std::tuple<std::int32_t, int, Stop, int, int, std::vector<records::ParishRecord>> cases[] = {
        {0, 2, Stop::EndOfFile, 0, 3, {ashby, ashby, near}}, // radius 0: the same square only
        {1000, 1, Stop::EndOfFile, 0, 3, {eastZero, ashby, northZero}}, // an easting or northing of 0: unplaced
        {10, 2, Stop::EndOfFile, 0, 3, irish}, // an Irish centre: Irish parishes only, a blank country is not Irish
        {10, 1, Stop::BadEasting, 1, 1, {ashby, noEast, ashby}}, // ends the pass with the hits so far
        {10, 1, Stop::BadNorthing, 3, 1, {ashby, badNorth, ashby}},
        {10, 1, Stop::EndOfFile, 0, 2, {irishNoEast, ashby}}, // the other country group's position is never read
        {1, 1000, Stop::MaxHits, 0, 1000, std::vector(1002, ashby)}}; // the 1001st hit stops the pass on it
    for (const auto& [radius, hits, stop, errorPosition, position, records] : cases) {
        SCOPED_TRACE(position);
        testsupport::OpenDataFile f(records);
        NoProgress progress;
        const bool ir = records == irish;
        RadiusOutcome out = grid::scanWithinRadius(f.cursor, ir ? galway : ashbyCentre, radius, ir ? 129 : 435,
                                                   ir ? 225 : 316, progress);
        EXPECT_EQ(std::tuple(out.hits, out.stop, out.errorPosition, f.cursor.position),
                  std::tuple(hits, stop, errorPosition, position));
        EXPECT_EQ(text::splitLines(out.plot).size(), static_cast<std::size_t>(1 + hits));
    }
}

TEST(RadiusSearch, TheFirstParishTextIsCutWithinItsLength)
{
    // name|county|country; short texts are cut where the places fall.
    const std::pair<const char*, const char*> cases[] = {{"", "||"}, {"AB", "||AB"}, {"Ab, , LE, EN", "|, L| EN"}};
    for (const auto& [text, parts] : cases) {
        auto p = grid::splitParish1(text);
        EXPECT_EQ(std::string(p.name) + "|" + std::string(p.county) + "|" + std::string(p.country), parts) << text;
    }
}
