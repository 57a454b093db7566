// The shipped files: records and county list as written; the shipped data is what the real builder makes from the
// sources, byte for byte, every record well formed and in the sort's order.
#include "county_list.h"
#include "csv_table.h"
#include "data_build.h"
#include "historic_counties.h"
#include "parish_file.h"
#include "records/sort_by_name.h"
#include "support/data_files.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace {

using tools::Place;

namespace fs = std::filesystem;
using records::Field;
using records::ParishRecord;
using testsupport::quoted;
using testsupport::readBytes;

const fs::path kShipped = SW_SHIPPED_DATA;

TEST(ParishFile, RecordsStoredAsTheAmendmentWindowDoesAndACountyListOfTheCodesUsed)
{
    const Place places[] = {{"Ashby-de-la-Zouch", 'T', "LEI", "ENG", 435, 316},
                            {"Galway", 'T', "GAL", "IRL", 129, 225, true},
                            {"Lerwick", 'T', "SHI", "SCT", 447, 1141},
                            {"Brecon", 'T', "BRE", "WLS", 304, 228}};
    // The Irish grid's square is one letter: the reference is five characters, right-aligned.
    EXPECT_EQ(tools::parishRecord(places[1]), testsupport::parish("Galway", "T", "GAL", "IRL", " M2925", 129, 225));
    EXPECT_EQ(tools::versionRecord("1.0 test"),
              testsupport::parish("// Database Version 1.0 test", " ", "", "", "", 0, 0));
    std::string text = tools::countyListText(tools::parishRecords(std::vector<Place>(places, places + 4)));
    EXPECT_TRUE(text.ends_with(
        ".\r\n\r\nEngland (ENG)\r\n  LEI  Leicestershire\r\n\r\nWales (WLS)\r\n  BRE  "
        "Brecknockshire\r\n\r\nScotland (SCT)\r\n  SHI  Shetland\r\n\r\nIreland (IRL)\r\n  GAL  Galway\r\n"))
        << text;
    EXPECT_THROW(tools::countyListText(tools::parishRecords({{"Nowhere", 'P', "XYZ", "ENG", 400, 300}})),
                 tools::SourceError); // a code without a name
}

TEST(ShippedData, IsExactlyWhatTheBuilderMakesFromTheSources)
{
    testsupport::TempDir dir;
    auto run = testsupport::runCommand(
        quoted(SW_BUILD_DATA) + " " + quoted(SW_DATA_SOURCES) + " " + quoted(dir / "out"), dir.path(), dir.path());
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
}

TEST(ShippedParishes, AVersionRecordThenWellFormedPlacesInTheSortsOrderAndWhereAUserLooks)
{
    const auto records = testsupport::recordsOf<ParishRecord>(readBytes(kShipped / "Parishes.Dat"));
    ASSERT_EQ(records.size(), tools::kMaxShippedRecords);
    ASSERT_LE(records.size(), records::kMaxSortRecords);
    EXPECT_EQ(records[0], tools::versionRecord());
    std::map<std::string, int> perCountry;
    for (std::size_t i = 1; i < records.size(); ++i) {
        const ParishRecord& r = records[i];
        SCOPED_TRACE("record " + std::to_string(i) + ": " + std::string(r.name()));
        ASSERT_TRUE(r.name().front() != ' ' && r.name().front() != '~' && !r.isVersionRecord());
        const tools::County* county = tools::findCounty(r.get(Field::County));
        ASSERT_TRUE(county != nullptr && county->country == r.get(Field::Country));
        ++perCountry[std::string(county->country)];
        perCountry["NIR"] += std::string_view("ANT ARM DOW FER LDY TYR").find(county->code) != std::string_view::npos;
    }
    for (auto [country, least] :
         {std::pair{"ENG", 20000}, {"WLS", 900}, {"SCT", 1500}, {"IRL", 2500}, {"NIR", 300}, {"IOM", 50}})
        EXPECT_GE(perCountry[country], least) << country;
    std::vector<ParishRecord> sorted = records;
    records::sortByName(sorted);
    EXPECT_TRUE(sorted == records) << "sorting the shipped file would change it";
}

} // namespace
