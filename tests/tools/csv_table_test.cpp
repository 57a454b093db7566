#include "csv_table.h"

#include <gtest/gtest.h>

using tools::CsvTable;
using tools::SourceError;

namespace {

std::string errorOf(std::string_view text)
{
    try {
        CsvTable::parse(text, "x.csv");
    } catch (const SourceError& e) {
        return e.what();
    }
    return "(parsed)";
}

TEST(CsvTable, ReadsQuotedFieldsAndCountsLinesFromTheHeader)
{
    CsvTable t = CsvTable::parse("name,county\r\n"
                                 "Ampthill,BDF\r\n"
                                 "\"Village, The\",BRK\r\n"
                                 "\r\n"
                                 "\"Say \"\"hi\"\"\",\r\n"
                                 "\"Two\nlines\",X\r\n"
                                 "Last,Y",
                                 "x.csv");
    EXPECT_EQ(t.columnCount(), 2u);
    EXPECT_EQ(t.column("county"), 1u);
    ASSERT_EQ(t.rows().size(), 5u);
    struct Row {
        int line;
        std::vector<std::string> fields;
    };
    const Row expected[] = {{2, {"Ampthill", "BDF"}},
                            {3, {"Village, The", "BRK"}},
                            {5, {"Say \"hi\"", ""}},
                            {6, {"Two\nlines", "X"}},
                            {8, {"Last", "Y"}}};
    for (std::size_t i = 0; i < 5; ++i) {
        EXPECT_EQ(t.rows()[i].line, expected[i].line) << i;
        EXPECT_EQ(t.rows()[i].fields, expected[i].fields) << i;
    }
}

TEST(CsvTable, KeepsARowOfTheWrongWidthForItsReaderToJudge)
{
    CsvTable t = CsvTable::parse("a,b,c\nx,y\n,,,\n", "x.csv");
    ASSERT_EQ(t.rows().size(), 2u);
    EXPECT_EQ(t.rows()[0].fields.size(), 2u);
    EXPECT_EQ(t.rows()[1].fields, (std::vector<std::string>{"", "", "", ""}));
}

TEST(CsvTable, RefusesWhatCannotBeReadAtAll)
{
    EXPECT_EQ(errorOf(""), "x.csv: no header line");
    EXPECT_EQ(errorOf("\r\n\r\n"), "x.csv: no header line");
    EXPECT_EQ(errorOf("a,b\nok,1\n\"open,2\n"), "x.csv line 3: a quoted field is never closed");
    EXPECT_EQ(errorOf("a,b\n\"closed\"x,2\n"), "x.csv line 2: text follows a closing quote");
    CsvTable t = CsvTable::parse("a,b\n", "x.csv");
    try {
        t.column("c");
        FAIL() << "no error";
    } catch (const SourceError& e) {
        EXPECT_STREQ(e.what(), "x.csv: no column \"c\"");
    }
}

} // namespace
