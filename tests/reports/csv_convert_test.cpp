#include "reports/csv_convert.h"

#include <gtest/gtest.h>

// Whole reports of each kind and their field cuts are pinned by the driver's golden CSV files;
// here LF-only lines read the same, and a last line without an ending still converts.
TEST(CsvConvert, LfLinesAndALastLineWithoutItsEnding)
{
    const std::string line = "      Ashby                                         A LEI ENG SK3516    435  12316 ";
    EXPECT_EQ(reports::reportToCsv(" \n      County of LEI - List\n      ===\n \n" + line),
              "\"Ashby" + std::string(40, ' ') + "\",\"A\",\"LEI\",\"ENG\",\"SK3516\",\"435\",\"2316\",\r\n");
}

TEST(CsvConvert, RecognitionOfTheKind)
{
    const std::pair<const char*, bool> cases[] = {
        {"", false},
        {"      Count\r\n", false}, // eleven characters
        {"      County\r\n", true}, // exactly twelve
        {"xxxxxxSearch of it", true}, // only columns 7 to 12 count
        {"      steeplewatcher\r\n", false}, // case matters
    };
    for (const auto& [text, known] : cases)
        EXPECT_EQ(reports::reportToCsv(text).has_value(), known) << text;
}
