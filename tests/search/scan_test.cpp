#include "search/scan.h"
#include "support/data_files.h"
#include "support/temp_dir.h"
#include "text/io_error.h"

#include <gtest/gtest.h>

using testsupport::parish;

namespace {

struct File {
    testsupport::TempDir dir;
    records::RecordCursor cursor;
    File()
    {
        testsupport::writeDataFile(dir / "Parishes.Dat",
                                   {
                                       testsupport::versionRecord(),
                                       parish("Aston", "A", "WAR", "ENG", "SP0888", 408, 288), // 1
                                       parish("Ashby", "A", "LEI", "ENG", "SK3516", 435, 316), // 2
                                       parish("Stanton", "A", " KE", "ENG", "TQ0000", 500, 100), // 3
                                       parish("Eglise", "A", "KEN", "ENG", "TQ0000", 500, 100), // 4
                                       parish("Bastow", "A", "kent", "ENG", "TQ0000", 500, 100), // 5
                                   });
        cursor.file.open(dir / "Parishes.Dat");
    }
};

} // namespace

TEST(Scan, FindsTheFirstMatchingNameFromThePositionOn)
{
    File f;
    struct Case {
        const char* text;
        search::MatchMode mode;
        std::int32_t from;
        bool found;
        std::int32_t at;
    };
    const Case cases[] = {
        {"st", search::MatchMode::Start, 0, true, 3},     {"st", search::MatchMode::Anywhere, 0, true, 1},
        {"st", search::MatchMode::Anywhere, 2, true, 3},  {"  ash  ", search::MatchMode::Start, 0, true, 2},
        {"", search::MatchMode::Start, 0, true, 0},       {"", search::MatchMode::Anywhere, 0, false, 6},
        {"//", search::MatchMode::Start, 0, true, 0},     {"zzz", search::MatchMode::Start, 0, false, 6},
        {"ashby", search::MatchMode::Start, 3, false, 6}, {"ash", search::MatchMode::Start, 6, false, 6},
    };
    for (const auto& c : cases) {
        f.cursor.position = c.from;
        EXPECT_EQ(search::scanForName(f.cursor, c.text, c.mode), c.found) << c.text;
        EXPECT_EQ(f.cursor.position, c.at) << c.text;
    }
    f.cursor.position = 0;
    search::scanForName(f.cursor, "ash", search::MatchMode::Start);
    EXPECT_EQ(f.cursor.record.name(), testsupport::parish("Ashby", "A", "LEI", "ENG", "SK3516", 435, 316).name());
}

TEST(Scan, CountyKeysContainTheSearchText)
{
    File f;
    auto& position = f.cursor.position;
    position = 0;
    ASSERT_TRUE(search::scanForCounty(f.cursor, "ke"));
    EXPECT_EQ(position, 3); // " KE" stored with a leading blank
    ++position;
    ASSERT_TRUE(search::scanForCounty(f.cursor, "ke"));
    EXPECT_EQ(position, 4);
    ++position;
    EXPECT_TRUE(search::scanForCounty(f.cursor, "ke")); // "ken", cut to 3 when stored
    EXPECT_EQ(position, 5);
    position = 0;
    EXPECT_FALSE(search::scanForCounty(f.cursor, ""));
}

TEST(Scan, AReadFailureLeavesThePositionOnTheRecordBeingRead)
{
    File f;
    f.cursor.file.close();
    std::string bytes = testsupport::readBytes(f.dir / "Parishes.Dat") + "partial";
    testsupport::writeBytes(f.dir / "Parishes.Dat", bytes);
    f.cursor.file.open(f.dir / "Parishes.Dat");
    f.cursor.position = 4;
    EXPECT_THROW(search::scanForName(f.cursor, "zzz", search::MatchMode::Start), text::IoError);
    EXPECT_EQ(f.cursor.position, 6);
}
