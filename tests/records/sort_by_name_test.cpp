#include "records/sort_by_name.h"
#include "support/data_files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

using records::ParishRecord;
using Names = std::vector<std::string>;

// A record whose name is stored exactly as given (no padding), so trailing blanks can be tested.
static ParishRecord named(std::string_view name, std::string_view county = "LEI")
{
    return records::makeRecord({std::string(name), "P", std::string(county), "ENG", "SK3516", "   435", "   316"});
}

static std::vector<ParishRecord> recordsNamed(const Names& names)
{
    std::vector<ParishRecord> records;
    for (const auto& n : names)
        records.push_back(named(n));
    return records;
}

TEST(SortByName, OrdersNamesAsStringsOfBytesKeepingTheVersionRecordFirst)
{
    const std::pair<Names, Names> cases[] = {
        {{"apple", "Apple", "APPLE", "aPple"}, {"APPLE", "Apple", "aPple", "apple"}}, // capitals first
        {{"Ashby   ", "Ashby", "Ashby "}, {"Ashby", "Ashby ", "Ashby   "}}, // then trailing blanks
        // Digits before letters before the deletion mark before accented letters (bytes above 127).
        {{"\xC9lan", "~Gone", "Zeal", "", "3 Mile Cross", "zz"},
         {"", "3 Mile Cross", "Zeal", "zz", "~Gone", "\xC9lan"}},
        {{}, {}},
        // "!" and " " come before "/", so by name alone these would sort ahead of it.
        {{"// Database Version 2.0", "Zeal", "!Odd", " Blank"}, {"// Database Version 2.0", " Blank", "!Odd", "Zeal"}},
        // Not the version record: its name must begin "// Database Version" exactly.
        {{"// Database Versio", "Zeal", "!Odd"}, {"!Odd", "// Database Versio", "Zeal"}},
        {{"// database Version 2", "!Odd"}, {"!Odd", "// database Version 2"}},
    };
    for (const auto& [in, out] : cases) {
        std::vector<ParishRecord> records = recordsNamed(in);
        records::sortByName(records);
        EXPECT_EQ(records, recordsNamed(out)) << out.size();
    }
}

TEST(SortByName, OrdersFilesOfEverySizeUpToTheLimitMovingWholeRecords)
{
    // Sizes around the gap sequence's turns (n = 100 runs gaps 34, 12, 5, 2, 1) and the
    // 30,000 records the sort command takes; distinct names, each with its own county.
    std::mt19937_64 random(11);
    for (std::size_t n : {2u, 3u, 4u, 5u, 13u, 14u, 100u, 101u, 1000u, 30000u}) {
        std::vector<ParishRecord> records{testsupport::versionRecord()};
        for (std::size_t i = 1; i < n; ++i)
            records.push_back(named(std::to_string(random()), std::to_string(i)));
        std::vector<ParishRecord> expected = records;
        std::sort(expected.begin() + 1, expected.end(),
                  [](const ParishRecord& a, const ParishRecord& b) { return a.name() < b.name(); });
        records::sortByName(records);
        ASSERT_EQ(records, expected) << n;
    }
}
