#include "records/sort_by_name.h"
#include "support/data_files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

using records::ParishRecord;
using Names = std::vector<std::string>;

namespace {

// A record whose name is stored exactly as given (no padding), so trailing blanks can be tested.
ParishRecord named(std::string_view name, std::string_view county = "LEI")
{
    return records::makeRecord({std::string(name), "P", std::string(county), "ENG", "SK3516", "   435", "   316"});
}

Names namesOf(const std::vector<ParishRecord>& records)
{
    Names out;
    for (const auto& r : records)
        out.emplace_back(r.name());
    return out;
}

TEST(SortByName, OrdersNamesAsStringsOfBytesKeepingTheVersionRecordFirst)
{
    const std::pair<Names, Names> cases[] = {
        {{"apple", "Apple", "APPLE", "aPple"}, {"APPLE", "Apple", "aPple", "apple"}}, // capitals first
        {{"Ashby   ", "Ashby", "Ashby "}, {"Ashby", "Ashby ", "Ashby   "}}, // then trailing blanks
        {{"Ashby-de-la-Zouch", "Ashbyfolville", "Ashby Magna"}, {"Ashby Magna", "Ashby-de-la-Zouch", "Ashbyfolville"}},
        // Digits before letters before the deletion mark before accented letters (bytes above 127).
        {{"\xC9lan", "~Gone", "Zeal", "3 Mile Cross", "zz"}, {"3 Mile Cross", "Zeal", "zz", "~Gone", "\xC9lan"}},
        {{"B", "", "A"}, {"", "A", "B"}},
        {{}, {}},
        {{"Solo"}, {"Solo"}},
        // "!" and " " come before "/", so by name alone these would sort ahead of it.
        {{"// Database Version 2.0", "Zeal", "!Odd", " Blank"}, {"// Database Version 2.0", " Blank", "!Odd", "Zeal"}},
        {{"Zeal", "!Odd", "// Database Versio"}, {"!Odd", "// Database Versio", "Zeal"}}, // not the version record
    };
    for (const auto& [in, out] : cases) {
        std::vector<ParishRecord> records;
        for (const auto& n : in)
            records.push_back(named(n));
        records::sortByName(records);
        EXPECT_EQ(namesOf(records), out);
    }
}

TEST(SortByName, OrdersFilesOfEverySizeUpToTheLimitMovingWholeRecords)
{
    // Sizes around the gap sequence's turns (n = 100 runs gaps 34, 12, 5, 2, 1) and the
    // 30,000 records the sort command takes; few names, so many are equal.
    std::mt19937 random(11);
    for (std::size_t n : {2u, 3u, 4u, 5u, 13u, 14u, 100u, 101u, 1000u, 30000u}) {
        std::vector<ParishRecord> records{testsupport::versionRecord()};
        for (std::size_t i = 1; i < n; ++i) {
            std::string name;
            for (int k = 0; k < 3; ++k)
                name += "aAbB -~\xE9"[random() % 9];
            records.push_back(named(name, std::to_string(i)));
        }
        std::vector<ParishRecord> before = records;
        records::sortByName(records);
        ASSERT_TRUE(records[0].isVersionRecord()) << n;
        auto bytewise = [](const ParishRecord& a, const ParishRecord& b) {
            return std::lexicographical_compare(
                a.name().begin(), a.name().end(), b.name().begin(), b.name().end(),
                [](char x, char y) { return static_cast<unsigned char>(x) < static_cast<unsigned char>(y); });
        };
        ASSERT_TRUE(std::is_sorted(records.begin() + 1, records.end(), bytewise)) << n;
        auto byBytes = [](const ParishRecord& a, const ParishRecord& b) { return a.bytes < b.bytes; };
        std::sort(before.begin(), before.end(), byBytes);
        std::sort(records.begin(), records.end(), byBytes);
        ASSERT_EQ(records, before) << n; // none lost or torn apart
    }
}

TEST(SortByName, ComparesTheStoredNameOnly)
{
    EXPECT_FALSE(records::nameGreater(named("Ashby", "AAA"), named("Ashby", "ZZZ")));
    EXPECT_FALSE(records::nameGreater(named("Ashby", "ZZZ"), named("Ashby", "AAA")));
}

} // namespace
