#include "county_list.h"
#include "csv_table.h"
#include "parish_file.h"
#include "records/record_line.h"
#include "text/numbers.h"

#include <gtest/gtest.h>

using tools::Place;

namespace {

std::string field(std::string_view text, std::size_t capacity)
{
    std::string f(1, static_cast<char>(text.size()));
    f += text;
    f.resize(1 + capacity, '\0');
    return f;
}

std::string bytesOf(const records::ParishRecord& r)
{
    return {r.bytes.data(), r.bytes.size()};
}

Place place(std::string name, char type, std::string county, std::string country, int e, int n, bool irish = false)
{
    Place p;
    p.name = std::move(name);
    p.type = type;
    p.county = std::move(county);
    p.country = std::move(country);
    p.easting = e;
    p.northing = n;
    p.irishGrid = irish;
    return p;
}

TEST(ParishRecord, StoresFieldsAsTheAmendmentWindowDoes)
{
    struct Case {
        Place place;
        std::string bytes;
        std::string line;
    };
    const Case cases[] = {
        {place("Ashby-de-la-Zouch", 'T', "LEI", "ENG", 435, 316),
         field("Ashby-de-la-Zouch" + std::string(28, ' '), 45) + field("T", 1) + field("LEI", 3) + field("ENG", 3)
             + field("SK3516", 6) + field("   435", 6) + field("   316", 6),
         "Ashby-de-la-Zouch" + std::string(28, ' ') + "  T  LEI   ENG   SK3516   435    316"},
        // The Irish grid's square is one letter: the reference is five characters, right-aligned.
        {place("Galway", 'T', "GAL", "IRL", 129, 225, true),
         field("Galway" + std::string(39, ' '), 45) + field("T", 1) + field("GAL", 3) + field("IRL", 3)
             + field(" M2925", 6) + field("   129", 6) + field("   225", 6),
         "Galway" + std::string(39, ' ') + "  T  GAL   IRL    M2925   129    225"},
        // Leading zeros of the four figures, and a northing of four digits.
        {place("Lerwick", 'T', "SHI", "SCT", 447, 1141),
         field("Lerwick" + std::string(38, ' '), 45) + field("T", 1) + field("SHI", 3) + field("SCT", 3)
             + field("HU4741", 6) + field("   447", 6) + field("  1141", 6),
         "Lerwick" + std::string(38, ' ') + "  T  SHI   SCT   HU4741   447   1141"},
        {place("St Mary's", 'P', "CON", "ENG", 91, 10),
         field("St Mary's" + std::string(36, ' '), 45) + field("P", 1) + field("CON", 3) + field("ENG", 3)
             + field("SV9110", 6) + field("    91", 6) + field("    10", 6),
         "St Mary's" + std::string(36, ' ') + "  P  CON   ENG   SV9110    91     10"},
    };
    for (const auto& c : cases) {
        records::ParishRecord r = tools::parishRecord(c.place);
        EXPECT_EQ(bytesOf(r), c.bytes) << c.place.name;
        EXPECT_EQ(records::recordLine(r), c.line) << c.place.name;
    }
}

TEST(VersionRecord, IsBlankButForItsNameAndReadsAsPositionZero)
{
    records::ParishRecord v = tools::versionRecord("1.0 test");
    EXPECT_EQ(bytesOf(v), field("// Database Version 1.0 test" + std::string(17, ' '), 45) + field(" ", 1)
                              + field("   ", 3) + field("   ", 3) + field("      ", 6) + field("     0", 6)
                              + field("     0", 6));
    EXPECT_TRUE(v.isVersionRecord());
    EXPECT_FALSE(v.isIrish());
    for (auto f : {records::Field::Easting, records::Field::Northing}) {
        text::RealReading reading = text::readReal(v.get(f));
        EXPECT_TRUE(reading.ok);
        EXPECT_EQ(reading.value, 0);
    }
}

TEST(ParishRecords, PutTheVersionFirstAndPlacesInTheSortsOrder)
{
    auto records = tools::parishRecords(
        {place("Ashby by Partney", 'P', "LIN", "ENG", 541, 365),
         place("Ashby-de-la-Zouch", 'T', "LEI", "ENG", 435, 316), place("!Odd", 'P', "LIN", "ENG", 489, 407),
         place("Ashby", 'P', "LIN", "ENG", 489, 407), place("ashby", 'P', "LIN", "ENG", 489, 407)});
    std::vector<std::string> names;
    for (const auto& r : records)
        names.emplace_back(r.name().substr(0, r.name().find_last_not_of(' ') + 1));
    EXPECT_EQ(names, (std::vector<std::string>{"// Database Version " + std::string(tools::kDataVersion), "!Odd",
                                               "Ashby", "Ashby by Partney", "Ashby-de-la-Zouch", "ashby"}));
    std::string bytes = tools::fileBytes(records);
    EXPECT_EQ(bytes.size(), records.size() * records::kRecordSize);
    EXPECT_EQ(bytes.substr(77, 77), bytesOf(records[1]));
}

TEST(CountyList, ListsExactlyTheCodesUsedUnderTheirCountries)
{
    auto records = tools::parishRecords(
        {place("Galway", 'T', "GAL", "IRL", 129, 225, true), place("Brecon", 'T', "BRE", "WLS", 304, 228),
         place("Ashby-de-la-Zouch", 'T', "LEI", "ENG", 435, 316), place("Antrim", 'T', "ANT", "IRL", 315, 386, true),
         place("Leicester", 'C', "LEI", "ENG", 458, 304)});
    std::string text = tools::countyListText(records);
    const std::string header = "Steeplewatcher County Codes\r\n"
                               "===========================\r\n"
                               "\r\n"
                               "The county of each parish is one of these Chapman codes: the historic\r\n"
                               "counties of England and Wales (before 1974), the counties of Scotland\r\n"
                               "(before 1975) and the 32 counties of Ireland, Northern Ireland's six\r\n"
                               "included. Every Irish parish has the country code IRL.\r\n";
    EXPECT_EQ(text, header
                        + "\r\nEngland (ENG)\r\n  LEI  Leicestershire\r\n"
                          "\r\nWales (WLS)\r\n  BRE  Brecknockshire\r\n"
                          "\r\nIreland (IRL)\r\n  ANT  Antrim\r\n  GAL  Galway\r\n");
}

TEST(CountyList, RefusesACodeWithoutAName)
{
    auto records = tools::parishRecords({place("Nowhere", 'P', "XYZ", "ENG", 400, 300)});
    EXPECT_THROW(tools::countyListText(records), tools::SourceError);
}

} // namespace
