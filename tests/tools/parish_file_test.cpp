#include "county_list.h"
#include "csv_table.h"
#include "parish_file.h"

#include <gtest/gtest.h>

#include <array>

using tools::Place;

namespace {

// The 77 bytes of seven length-prefixed fields holding these texts.
std::string stored(std::array<std::string, 7> texts)
{
    std::string out;
    const std::size_t capacity[] = {45, 1, 3, 3, 6, 6, 6};
    for (std::size_t i = 0; i < 7; ++i) {
        std::string f(1, static_cast<char>(texts[i].size()));
        f += texts[i];
        f.resize(1 + capacity[i], '\0');
        out += f;
    }
    return out;
}

std::string bytesOf(const records::ParishRecord& r)
{
    return {r.bytes.data(), r.bytes.size()};
}
Place place(std::string name, char type, std::string county, std::string country, int e, int n, bool irish = false)
{
    return {name, type, county, country, e, n, irish};
}

TEST(ParishRecord, StoresFieldsAsTheAmendmentWindowDoes)
{
    EXPECT_EQ(bytesOf(tools::parishRecord(place("Ashby-de-la-Zouch", 'T', "LEI", "ENG", 435, 316))),
              stored({"Ashby-de-la-Zouch" + std::string(28, ' '), "T", "LEI", "ENG", "SK3516", "   435", "   316"}));
    // The Irish grid's square is one letter: the reference is five characters, right-aligned.
    EXPECT_EQ(bytesOf(tools::parishRecord(place("Galway", 'T', "GAL", "IRL", 129, 225, true))),
              stored({"Galway" + std::string(39, ' '), "T", "GAL", "IRL", " M2925", "   129", "   225"}));
    // Leading zeros of the four figures, and a northing of four digits.
    EXPECT_EQ(bytesOf(tools::parishRecord(place("Lerwick", 'T', "SHI", "SCT", 447, 1141))),
              stored({"Lerwick" + std::string(38, ' '), "T", "SHI", "SCT", "HU4741", "   447", "  1141"}));
    // The version record is blank but for its name; easting and northing read as 0.
    EXPECT_EQ(bytesOf(tools::versionRecord("1.0 test")), stored({"// Database Version 1.0 test" + std::string(17, ' '),
                                                                 " ", "   ", "   ", "      ", "     0", "     0"}));
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
    EXPECT_THROW(tools::countyListText(tools::parishRecords({place("Nowhere", 'P', "XYZ", "ENG", 400, 300)})),
                 tools::SourceError); // a code without a name
}

} // namespace
