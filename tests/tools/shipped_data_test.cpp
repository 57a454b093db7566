// The shipped data: rebuilt from the sources by the real builder it comes out
// byte for byte the same, every record is well formed and in the sort's
// order, and the program finds what a user would look for.
#include "data_build.h"
#include "historic_counties.h"
#include "parish_file.h"
#include "records/sort_by_name.h"
#include "support/data_files.h"
#include "support/temp_dir.h"
#include "text/ansi.h"
#include "text/numbers.h"
#include "text/text_file.h"

#include <gtest/gtest.h>

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
    static const std::vector<ParishRecord> records =
        testsupport::recordsOf<ParishRecord>(readBytes(kShipped / "Parishes.Dat"));
    return records;
}

TEST(ShippedData, IsExactlyWhatTheBuilderMakesFromTheSources)
{
    TempDir dir;
    auto run = runBuilder(dir, quoted(kSources) + " " + quoted(dir / "out"));
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    std::set<std::string> built{"README.md"}, shipped;
    for (const auto& entry : fs::directory_iterator(dir / "out")) {
        built.insert(entry.path().filename().string());
        EXPECT_TRUE(readBytes(entry.path()) == readBytes(kShipped / entry.path().filename()))
            << "data/" << entry.path().filename() << " differs from what build-data makes: rebuild it";
    }
    for (const auto& entry : fs::directory_iterator(kShipped))
        shipped.insert(entry.path().filename().string());
    EXPECT_EQ(shipped, built);
    // The report names each bad source row by its line.
    for (const char* line : {"places_england_histcounty_wp.csv line 12932: no name\n",
                             "places_england_histcounty_wp.csv line 24574: the name is longer than 45 characters: "
                             "\"Manchester and Ashton Canal, Hollinwood Branch\"\n",
                             "Parishes.Dat: 29000 records, the version record and 28999 places\n"})
        EXPECT_NE(run.out.find(line), std::string::npos) << line;
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

TEST(ShippedParishes, AVersionRecordThenWellFormedPlacesInTheSortsOrderAndWhereAUserLooks)
{
    const auto& records = shippedRecords();
    ASSERT_EQ(records.size(), tools::kMaxShippedRecords);
    ASSERT_LE(records.size(), records::kMaxSortRecords);
    EXPECT_EQ(records[0], tools::versionRecord());
    std::map<std::string, int> perCountry;
    std::map<std::string, std::string> found; // "name county" -> type|country|OSRef|easting|northing
    for (std::size_t i = 1; i < records.size(); ++i) {
        const ParishRecord& r = records[i];
        SCOPED_TRACE("record " + std::to_string(i) + ": " + std::string(r.name()));
        std::string name = trimmed(r.name());
        ASSERT_TRUE(!name.empty() && name.front() != '~' && !r.isVersionRecord());
        ASSERT_NE(std::string_view("CTVDP").find(r.get(Field::Type)), std::string_view::npos);
        const tools::County* county = tools::findCounty(r.get(Field::County));
        ASSERT_NE(county, nullptr);
        ASSERT_EQ(county->country, r.get(Field::Country));
        ++perCountry[std::string(county->country)];
        perCountry["NIR"] += std::string_view("ANT ARM DOW FER LDY TYR").find(county->code) != std::string_view::npos;
        ASSERT_GT(text::readWhole(r.get(Field::Easting)).value, 0);
        ASSERT_GT(text::readWhole(r.get(Field::Northing)).value, 0);
        std::string& fields = found[name + " " + std::string(county->code)] = r.get(Field::Type);
        for (Field f : {Field::Country, Field::OSRef, Field::Easting, Field::Northing})
            fields += "|" + std::string(r.get(f));
    }
    for (auto [country, least] :
         {std::pair{"ENG", 25000}, {"WLS", 400}, {"SCT", 600}, {"IRL", 600}, {"NIR", 100}, {"IOM", 50}})
        EXPECT_GE(perCountry[country], least) << country;
    std::vector<ParishRecord> sorted = records;
    records::sortByName(sorted);
    EXPECT_TRUE(sorted == records) << "sorting the shipped file would change it";
    // An Irish place under its English name, a Scottish place rule, counties corrected from GeoNames.
    for (auto [place, fields] : {std::pair{"Galway GAL", "T|IRL| M2925|   129|   225"},
                                 {"Bo'ness WLN", "T|SCT|NS9981|   299|   681"},
                                 {"Hereford HEF", "T|ENG|SO5140|   351|   240"},
                                 {"Chirk DEN", "V|WLS|SJ2938|   329|   338"}})
        EXPECT_EQ(found[place], fields) << place;
    for (const char* place : {"Gaillimh GAL", "Chirk SAL", "Hereford WOR"})
        EXPECT_FALSE(found.contains(place)) << place;
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
    EXPECT_EQ(run.err, "");
    std::vector<std::string> lines = text::splitLines(readBytes(dir / "ParList.txt"));
    ASSERT_GT(lines.size(), 9u);
    EXPECT_EQ(run.out, "beep\nstate record 28999 of 29000\nParish1 = \"Ashby-de-la-Zouch, T, LEI, ENG\"\n"
                       "show ParListFm\nHits = \""
                           + std::to_string(lines.size() - 9) + "\"\n"); // nine heading lines
    std::map<std::string, std::string> hits; // "name county" -> miles
    for (std::size_t i = 9; i < lines.size(); ++i)
        hits[trimmed(lines[i].substr(3, 46)) + " " + lines[i].substr(51, 3)] = trimmed(lines[i].substr(65, 6));
    EXPECT_TRUE(hits.size() > 100u && hits.size() < 300u) << hits.size();
    for (auto [place, miles] : {std::pair{"Ashby-de-la-Zouch LEI", "0.0"},
                                {"Measham LEI", "2.8"},
                                {"Swadlincote DBY", "4.2"},
                                {"Burton upon Trent STS", "8.1"},
                                {"Castle Donington LEI", "8.8"}})
        EXPECT_EQ(hits[place], miles) << place;
    for (const char* far : {"Loughborough LEI", "Leicester LEI", "Moira DOW"})
        EXPECT_FALSE(hits.contains(far)) << far;
}

} // namespace
