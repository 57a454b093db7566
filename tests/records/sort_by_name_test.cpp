#include "records/sort_by_name.h"
#include "support/data_files.h"
#include "text/ansi.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

using records::ParishRecord;

namespace {

// A record whose name is stored exactly as given (no padding), so trailing blanks can be tested.
ParishRecord named(std::string_view name, std::string_view county = "LEI")
{
    return records::makeRecord({std::string(name), "P", std::string(county), "ENG", "SK3516", "   435", "   316"});
}

std::vector<std::string> namesOf(const std::vector<ParishRecord>& records)
{
    std::vector<std::string> out;
    for (const auto& r : records)
        out.emplace_back(r.name());
    return out;
}

std::vector<std::string> sortedNames(std::vector<std::string> names)
{
    std::vector<ParishRecord> records;
    for (const auto& n : names)
        records.push_back(named(n));
    records::sortByName(records);
    return namesOf(records);
}

using Names = std::vector<std::string>;

TEST(SortByName, OrdersNamesAsStringsOfBytes)
{
    struct Case {
        const char* what;
        Names in, out;
    };
    const Case cases[] = {
        {"capitals before small letters", {"apple", "Apple", "APPLE", "aPple"}, {"APPLE", "Apple", "aPple", "apple"}},
        {"a name before the same name with trailing blanks",
         {"Ashby   ", "Ashby", "Ashby "},
         {"Ashby", "Ashby ", "Ashby   "}},
        {"a blank before a hyphen before letters",
         {"Ashby-de-la-Zouch", "Ashbyfolville", "Ashby Magna"},
         {"Ashby Magna", "Ashby-de-la-Zouch", "Ashbyfolville"}},
        {"digits before letters, letters before the deletion mark",
         {"~Gone", "Zeal", "3 Mile Cross", "Abbey"},
         {"3 Mile Cross", "Abbey", "Zeal", "~Gone"}},
        {"accented letters (cp1252 bytes above 127) after every plain letter",
         {"\xC9lan", "zz", "Zz", "~z"},
         {"Zz", "zz", "~z", "\xC9lan"}},
        {"an inserted record among the A's",
         {"Brough", "Aston", "A new record is Added", "Abbey", "Alton", "Zeal"},
         {"A new record is Added", "Abbey", "Alton", "Aston", "Brough", "Zeal"}},
        {"an empty name first", {"B", "", "A"}, {"", "A", "B"}},
        {"already in order stays so", {"A", "B", "C", "D"}, {"A", "B", "C", "D"}},
        {"reversed", {"E", "D", "C", "B", "A"}, {"A", "B", "C", "D", "E"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(sortedNames(c.in), c.out) << c.what;
}

TEST(SortByName, NothingToDoForNoneOrOneRecord)
{
    std::vector<ParishRecord> none;
    records::sortByName(none);
    EXPECT_TRUE(none.empty());
    std::vector<ParishRecord> one{named("Solo")};
    records::sortByName(one);
    EXPECT_EQ(namesOf(one), Names{"Solo"});
}

TEST(SortByName, KeepsTheVersionRecordFirstWhateverSortsBeforeIt)
{
    // "!" and " " come before "/", so by name alone these would sort ahead of it.
    std::vector<ParishRecord> records{testsupport::versionRecord("2.0"), named("Zeal"), named("!Odd"), named(" Blank"),
                                      named("Abbey")};
    records::sortByName(records);
    EXPECT_TRUE(records[0].isVersionRecord());
    EXPECT_EQ(namesOf(records), (Names{"// Database Version 2.0", " Blank", "!Odd", "Abbey", "Zeal"}));
}

TEST(SortByName, WithoutAVersionRecordEveryRecordIsSorted)
{
    std::vector<ParishRecord> records{named("Zeal"), named("// Database Versio"), named("Abbey")};
    records::sortByName(records);
    EXPECT_EQ(namesOf(records), (Names{"// Database Versio", "Abbey", "Zeal"}));
}

TEST(SortByName, MovesWholeRecordsAndLosesNoneAmongEqualNames)
{
    // Many equal names: the other fields travel with their names and every record survives.
    std::vector<ParishRecord> records;
    std::mt19937 random(7);
    for (int i = 0; i < 100; ++i)
        records.push_back(named("Name " + std::to_string(random() % 10), std::to_string(i)));
    std::vector<ParishRecord> before = records;
    records::sortByName(records);
    EXPECT_TRUE(std::is_sorted(records.begin(), records.end(),
                               [](const auto& a, const auto& b) { return records::nameGreater(b, a); }));
    auto byBytes = [](const ParishRecord& a, const ParishRecord& b) { return a.bytes < b.bytes; };
    std::sort(before.begin(), before.end(), byBytes);
    std::vector<ParishRecord> after = records;
    std::sort(after.begin(), after.end(), byBytes);
    EXPECT_EQ(after, before);
}

TEST(SortByName, OrdersFilesOfEverySizeUpToTheLimit)
{
    // Sizes around the gap sequence's turns (n = 100 runs gaps 34, 12, 5, 2, 1) and the
    // 30,000 records the sort command takes.
    std::mt19937 random(11);
    for (std::size_t n :
         {2u, 3u, 4u, 5u, 13u, 14u, 100u, 101u, 1000u, static_cast<unsigned>(records::kMaxSortRecords)}) {
        std::vector<ParishRecord> records{testsupport::versionRecord()};
        for (std::size_t i = 1; i < n; ++i) {
            std::string name;
            for (int k = 0; k < 6; ++k)
                name += static_cast<char>("aAbB -~\xE9"[random() % 9]);
            records.push_back(named(name));
        }
        records::sortByName(records);
        ASSERT_TRUE(records[0].isVersionRecord()) << n;
        for (std::size_t i = 2; i < records.size(); ++i)
            ASSERT_FALSE(records::nameGreater(records[i - 1], records[i])) << "n = " << n << ", at " << i;
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
