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
    struct Case {
        const char* what;
        Names in, out;
    };
    const Case cases[] = {
        {"capitals before small letters", {"apple", "Apple", "APPLE", "aPple"}, {"APPLE", "Apple", "aPple", "apple"}},
        {"a name before itself with trailing blanks", {"Ashby   ", "Ashby", "Ashby "}, {"Ashby", "Ashby ", "Ashby   "}},
        {"a blank before a hyphen before letters",
         {"Ashby-de-la-Zouch", "Ashbyfolville", "Ashby Magna"},
         {"Ashby Magna", "Ashby-de-la-Zouch", "Ashbyfolville"}},
        {"digits before letters, letters before the deletion mark",
         {"~Gone", "Zeal", "3 Mile Cross", "Abbey"},
         {"3 Mile Cross", "Abbey", "Zeal", "~Gone"}},
        {"accented letters (bytes above 127) after every plain letter",
         {"\xC9lan", "zz", "Zz", "~z"},
         {"Zz", "zz", "~z", "\xC9lan"}},
        {"an empty name first", {"B", "", "A"}, {"", "A", "B"}},
        {"reversed", {"E", "D", "C", "B", "A"}, {"A", "B", "C", "D", "E"}},
        {"none", {}, {}},
        {"one", {"Solo"}, {"Solo"}},
        // "!" and " " come before "/", so by name alone these would sort ahead of it.
        {"the version record stays first",
         {"// Database Version 2.0", "Zeal", "!Odd", " Blank", "Abbey"},
         {"// Database Version 2.0", " Blank", "!Odd", "Abbey", "Zeal"}},
        {"a record that is not the version record is sorted",
         {"Zeal", "!Odd", "// Database Versio"},
         {"!Odd", "// Database Versio", "Zeal"}},
    };
    for (const auto& c : cases) {
        std::vector<ParishRecord> records;
        for (const auto& n : c.in)
            records.push_back(named(n));
        records::sortByName(records);
        EXPECT_EQ(namesOf(records), c.out) << c.what;
    }
}

TEST(SortByName, MovesWholeRecordsAndLosesNoneAmongEqualNames)
{
    std::vector<ParishRecord> records;
    std::mt19937 random(7);
    for (int i = 0; i < 100; ++i)
        records.push_back(named("Name " + std::to_string(random() % 10), std::to_string(i)));
    std::vector<ParishRecord> before = records;
    records::sortByName(records);
    auto byBytes = [](const ParishRecord& a, const ParishRecord& b) { return a.bytes < b.bytes; };
    EXPECT_TRUE(std::is_sorted(records.begin(), records.end(),
                               [](const auto& a, const auto& b) { return a.name() < b.name(); }));
    std::sort(before.begin(), before.end(), byBytes);
    std::sort(records.begin(), records.end(), byBytes);
    EXPECT_EQ(records, before);
}

TEST(SortByName, OrdersFilesOfEverySizeUpToTheLimit)
{
    // Sizes around the gap sequence's turns (n = 100 runs gaps 34, 12, 5, 2, 1) and the
    // 30,000 records the sort command takes.
    std::mt19937 random(11);
    for (std::size_t n : {2u, 3u, 4u, 5u, 13u, 14u, 100u, 101u, 1000u, 30000u}) {
        std::vector<ParishRecord> records{testsupport::versionRecord()};
        for (std::size_t i = 1; i < n; ++i) {
            std::string name;
            for (int k = 0; k < 6; ++k)
                name += static_cast<char>("aAbB -~\xE9"[random() % 9]);
            records.push_back(named(name));
        }
        records::sortByName(records);
        ASSERT_TRUE(records[0].isVersionRecord()) << n;
        auto bytewise = [](const ParishRecord& a, const ParishRecord& b) {
            return std::lexicographical_compare(
                a.name().begin(), a.name().end(), b.name().begin(), b.name().end(),
                [](char x, char y) { return static_cast<unsigned char>(x) < static_cast<unsigned char>(y); });
        };
        ASSERT_TRUE(std::is_sorted(records.begin() + 1, records.end(), bytewise)) << n;
    }
}

TEST(SortByName, ComparesTheStoredNameOnly)
{
    EXPECT_FALSE(records::nameGreater(named("Ashby", "AAA"), named("Ashby", "ZZZ")));
    EXPECT_FALSE(records::nameGreater(named("Ashby", "ZZZ"), named("Ashby", "AAA")));
    EXPECT_TRUE(records::nameGreater(named("b"), named("B")));
    EXPECT_TRUE(records::nameGreater(named("\xE9"), named("z"))); // unsigned bytes
    EXPECT_TRUE(records::nameGreater(named("Ash "), named("Ash")));
}

} // namespace
