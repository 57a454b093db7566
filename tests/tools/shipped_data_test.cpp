// The shipped data: rebuilt from the sources by the real builder it comes out
// byte for byte the same, every record is well formed and in the sort's
// order, and the program finds what a user would look for.
#include "data_build.h"
#include "grid_square.h"
#include "historic_counties.h"
#include "parish_file.h"
#include "records/sort_by_name.h"
#include "support/data_files.h"
#include "support/temp_dir.h"
#include "text/ansi.h"
#include "text/columns.h"
#include "text/numbers.h"
#include "text/text_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

namespace {

namespace fs = std::filesystem;
using records::Field;
using records::ParishRecord;
using testsupport::quoted;
using testsupport::readBytes;
using testsupport::TempDir;

const fs::path kShipped = SW_SHIPPED_DATA;
const fs::path kSources = SW_DATA_SOURCES;

testsupport::CommandRun runBuilder(const TempDir& dir, const std::string& args)
{
    return testsupport::runCommand(quoted(SW_BUILD_DATA) + " " + args, dir.path(), dir.path());
}

std::string trimmed(std::string_view s)
{
    return std::string(text::trimBlanks(s));
}

const std::vector<ParishRecord>& shippedRecords()
{
    static const std::vector<ParishRecord> records = testsupport::readDataFile(kShipped / "Parishes.Dat");
    return records;
}

const ParishRecord* findParish(std::string_view name, std::string_view county)
{
    for (const ParishRecord& r : shippedRecords())
        if (trimmed(r.name()) == name && r.get(Field::County) == county)
            return &r;
    return nullptr;
}

TEST(ShippedData, IsExactlyWhatTheBuilderMakesFromTheSources)
{
    TempDir dir;
    auto run = runBuilder(dir, quoted(kSources) + " " + quoted(dir / "out"));
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    std::set<std::string> built;
    for (const auto& entry : fs::directory_iterator(dir / "out")) {
        std::string name = entry.path().filename().string();
        built.insert(name);
        EXPECT_TRUE(readBytes(entry.path()) == readBytes(kShipped / name))
            << "data/" << name << " differs from what build-data makes: rebuild it (see data/README.md)";
    }
    std::set<std::string> shipped;
    for (const auto& entry : fs::directory_iterator(kShipped))
        shipped.insert(entry.path().filename().string());
    built.insert("README.md");
    EXPECT_EQ(shipped, built);
    // The report names each bad source row by its line.
    EXPECT_NE(run.out.find("places_england_histcounty_wp.csv line 12932: no name\n"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("places_england_histcounty_wp.csv line 24574: the name is longer than 45 characters: "
                           "\"Manchester and Ashton Canal, Hollinwood Branch\"\n"),
              std::string::npos);
    EXPECT_NE(run.out.find("Parishes.Dat: 29000 records, the version record and 28999 places\n"), std::string::npos);
}

TEST(ShippedData, TheBuilderWritesNothingWhenASourceIsMissing)
{
    TempDir dir;
    fs::create_directory(dir / "sources");
    for (const std::string& name : tools::sourceFileNames())
        if (name != "Maplist_LR.txt")
            fs::copy_file(kSources / name, dir / "sources" / name);
    auto run = runBuilder(dir, quoted(dir / "sources") + " " + quoted(dir / "out"));
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "build-data: Maplist_LR.txt: File not found\n");
    EXPECT_FALSE(fs::exists(dir / "out"));
    EXPECT_EQ(runBuilder(dir, quoted(dir / "sources")).status, 2);
}

TEST(ShippedParishes, AVersionRecordThenWellFormedPlacesInTheSortsOrder)
{
    const auto& records = shippedRecords();
    ASSERT_EQ(records.size(), tools::kMaxShippedRecords);
    ASSERT_LE(records.size(), records::kMaxSortRecords);
    EXPECT_EQ(records[0], tools::versionRecord());

    std::set<std::string_view> types{"C", "T", "V", "D", "P"};
    std::map<std::string, int> perCountry;
    int northernIrish = 0;
    for (std::size_t i = 1; i < records.size(); ++i) {
        const ParishRecord& r = records[i];
        SCOPED_TRACE("record " + std::to_string(i) + ": " + std::string(r.name()));
        std::string name = trimmed(r.name());
        ASSERT_EQ(r.name().size(), 45u);
        ASSERT_FALSE(name.empty());
        ASSERT_NE(name.front(), '~');
        ASSERT_FALSE(r.isVersionRecord());
        ASSERT_TRUE(types.contains(r.get(Field::Type)));
        std::string country(r.get(Field::Country));
        const tools::County* county = tools::findCounty(r.get(Field::County));
        ASSERT_NE(county, nullptr);
        ASSERT_EQ(county->country, country);
        ++perCountry[country];
        northernIrish += county->code == "ANT" || county->code == "ARM" || county->code == "DOW"
                         || county->code == "FER" || county->code == "LDY" || county->code == "TYR";
        // Easting and northing right-aligned whole km; the grid reference agrees with them.
        text::WholeReading e = text::readWhole(r.get(Field::Easting)), n = text::readWhole(r.get(Field::Northing));
        ASSERT_TRUE(e.ok && n.ok && e.value > 0 && n.value > 0);
        ASSERT_EQ(r.get(Field::Easting), text::padLeft(std::to_string(e.value), 6));
        ASSERT_EQ(r.get(Field::Northing), text::padLeft(std::to_string(n.value), 6));
        ASSERT_EQ(r.get(Field::OSRef), text::padLeft(tools::gridReference(e.value, n.value, r.isIrish()), 6));
    }
    EXPECT_GE(perCountry["ENG"], 25000);
    EXPECT_GE(perCountry["WLS"], 400);
    EXPECT_GE(perCountry["SCT"], 600);
    EXPECT_GE(perCountry["IRL"], 600);
    EXPECT_GE(northernIrish, 100);
    EXPECT_GE(perCountry["IOM"], 50);

    std::vector<ParishRecord> sorted = records;
    records::sortByName(sorted);
    EXPECT_TRUE(sorted == records) << "sorting the shipped file would change it";
}

TEST(ShippedParishes, PlacesAUserLooksForAreWhereTheyShouldBe)
{
    struct Case {
        const char* name;
        const char* county;
        const char* line; // type, county, country, OSRef, easting, northing
    };
    const Case cases[] = {
        {"Ashby-de-la-Zouch", "LEI", "T|LEI|ENG|SK3516|   435|   316"},
        {"Galway", "GAL", "T|GAL|IRL| M2925|   129|   225"},
        {"Derry", "LDY", "T|LDY|IRL| C4416|   244|   416"},
        {"Brecon", "BRE", "T|BRE|WLS|SO0428|   304|   228"},
        {"Edinburgh", "MLN", "C|MLN|SCT|NT2573|   325|   673"},
        {"Bo'ness", "WLN", "T|WLN|SCT|NS9981|   299|   681"},
        // Counties the England list gets wrong, corrected from GeoNames' modern areas.
        {"Hereford", "HEF", "T|HEF|ENG|SO5140|   351|   240"},
        {"Chirk", "DEN", nullptr},
        {"Manchester", "LAN", nullptr},
        {"Perranzabuloe", "CON", nullptr},
        {"Castle Donington", "LEI", nullptr},
    };
    for (const auto& c : cases) {
        const ParishRecord* r = findParish(c.name, c.county);
        ASSERT_NE(r, nullptr) << c.name;
        if (!c.line)
            continue;
        std::string fields = std::string(r->get(Field::Type)) + "|" + std::string(r->get(Field::County)) + "|"
                             + std::string(r->get(Field::Country)) + "|" + std::string(r->get(Field::OSRef)) + "|"
                             + std::string(r->get(Field::Easting)) + "|" + std::string(r->get(Field::Northing));
        EXPECT_EQ(fields, c.line) << c.name;
    }
    EXPECT_EQ(findParish("Gaillimh", "GAL"), nullptr); // listed under its English name
    EXPECT_EQ(findParish("Chirk", "SAL"), nullptr); // in Wales, not Shropshire
}

// The program itself (its script driver) on a copy of the shipped file, as a user runs it:
// every record counted, and a real radius search.
TEST(ShippedParishes, TenMilesAroundAshbyDeLaZouchListsItsNeighbours)
{
    TempDir dir;
    fs::copy_file(kShipped / "Parishes.Dat", dir / "Parishes.Dat");
    testsupport::writeBytes(dir / "run.script", "key End\nstate\nset TarPar \"Ashby-de-la-Zouch\"\nclick FindFirst\n"
                                                "click Select1stParish\ndump Parish1\nset Radius \"10\"\n"
                                                "click ParishGroup\ndump Hits\n");
    fs::create_directory(dir / "output");
    auto run = testsupport::runCommand(quoted(STEEPLEWATCHER_SCRIPT) + " run.script", dir.path(), dir / "output");
    ASSERT_EQ(run.status, 0) << run.err;
    std::vector<std::string> lines = text::splitLines(readBytes(dir / "ParList.txt"));
    ASSERT_GT(lines.size(), 9u);
    EXPECT_EQ(run.out, "beep\nstate record 28999 of 29000\nParish1 = \"Ashby-de-la-Zouch, T, LEI, ENG\"\n"
                       "show ParListFm\nHits = \""
                           + std::to_string(lines.size() - 9) + "\"\n"); // nine heading lines
    std::map<std::string, std::string> hits; // "name county" -> miles
    for (std::size_t i = 9; i < lines.size(); ++i)
        hits[trimmed(lines[i].substr(3, 46)) + " " + lines[i].substr(51, 3)] = trimmed(lines[i].substr(65, 6));
    EXPECT_GT(hits.size(), 100u);
    EXPECT_LT(hits.size(), 300u);
    const std::pair<const char*, const char*> near[] = {
        {"Ashby-de-la-Zouch LEI", "0.0"}, {"Measham LEI", "2.8"},           {"Moira LEI", "2.6"},
        {"Coalville LEI", "4.5"},         {"Swadlincote DBY", "4.2"},       {"Ibstock LEI", "5.3"},
        {"Melbourne DBY", "5.9"},         {"Burton upon Trent STS", "8.1"}, {"Market Bosworth LEI", "8.6"},
        {"Castle Donington LEI", "8.8"},
    };
    for (const auto& [place, miles] : near)
        EXPECT_EQ(hits[place], miles) << place;
    for (const char* far : {"Loughborough LEI", "Tamworth STS", "Leicester LEI", "Hinckley LEI", "Moira DOW"})
        EXPECT_FALSE(hits.contains(far)) << far;
}

TEST(ShippedMaps, EveryBritishPlaceButAFewOnTheCoastLiesOnALandrangerSheet)
{
    std::string bytes = readBytes(kShipped / "MapList.Dat");
    ASSERT_EQ(bytes.size() % maps::kSheetRecordSize, 0u);
    struct Sheet {
        int w, s, e, n;
    };
    std::vector<Sheet> sheets;
    for (std::size_t at = 0; at < bytes.size(); at += maps::kSheetRecordSize) {
        maps::MapSheetRecord r;
        bytes.copy(r.bytes.data(), maps::kSheetRecordSize, at);
        ASSERT_EQ(r.get(maps::SheetField::SeriesCode), "LR");
        sheets.push_back({text::leadingInteger(r.get(maps::SheetField::WestKm)),
                          text::leadingInteger(r.get(maps::SheetField::SouthKm)),
                          text::leadingInteger(r.get(maps::SheetField::EastKm)),
                          text::leadingInteger(r.get(maps::SheetField::NorthKm))});
    }
    EXPECT_EQ(sheets.size(), 236u);
    std::vector<std::string> offSheet;
    for (std::size_t i = 1; i < shippedRecords().size(); ++i) {
        const ParishRecord& r = shippedRecords()[i];
        if (r.isIrish())
            continue;
        int e = text::leadingInteger(r.get(Field::Easting)), n = text::leadingInteger(r.get(Field::Northing));
        if (std::none_of(sheets.begin(), sheets.end(),
                         [&](const Sheet& s) { return s.w <= e && e <= s.e && s.s <= n && n <= s.n; }))
            offSheet.push_back(trimmed(r.name()));
    }
    // The sheet list has each sheet's 40 km square only, not the extensions
    // printed beyond it: these headlands and coves lie on such extensions.
    EXPECT_EQ(offSheet,
              (std::vector<std::string>{"Bill Of Portland", "Blackgang", "Burton Bradstock", "Eddystone Rocks",
                                        "Noss Mayo", "Southover", "St Alban's Head (St Aldhelm's)",
                                        "St Aldhelm's (St Alban's Head)", "St Lawrence"}));
}

TEST(ShippedPlots, CoastlinesStartAtThePlotsStartPointsAndPlacesFitTheirColumns)
{
    struct Case {
        const char* coast;
        const char* places;
        int startE, startN;
        std::size_t placeCount;
    };
    const Case cases[] = {{"UKCoast.Txt", "UKLocs.Txt", 134, 25, 50}, {"IRLCoast.Txt", "IRLLocs.Txt", 74, 23, 40}};
    for (const auto& c : cases) {
        std::vector<std::string> coast = text::splitLines(readBytes(kShipped / c.coast));
        ASSERT_GT(coast.size(), 1000u) << c.coast;
        int e = text::leadingInteger(text::columns(coast[0], 1, 6)),
            n = text::leadingInteger(text::columns(coast[0], 7, 6));
        // The plot draws from its start point to the first vertex: that line must be short.
        EXPECT_LE((e - c.startE) * (e - c.startE) + (n - c.startN) * (n - c.startN), 9) << c.coast;
        EXPECT_EQ(coast.front(), coast.back()) << c.coast << " is a closed outline";
        std::vector<std::string> places = text::splitLines(readBytes(kShipped / c.places));
        EXPECT_EQ(places.size(), c.placeCount) << c.places;
        for (const std::string& line : places) {
            EXPECT_EQ(line.size(), 37u) << line;
            EXPECT_GT(text::leadingInteger(text::columns(line, 26, 6)), 0) << line;
            EXPECT_GT(text::leadingInteger(text::columns(line, 32, 6)), 0) << line;
        }
    }
}

} // namespace
