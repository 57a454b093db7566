#include "reports/list_report.h"
#include "support/data_files.h"

#include <gtest/gtest.h>

using testsupport::parish;

struct NoProgress : reports::ListProgress {
    void progress(std::int32_t, std::int32_t) override {}
};

const std::vector<records::ParishRecord> kParishes = {
    testsupport::versionRecord(),
    parish("Ashby", "A", "LEI", "ENG", "SK3516", 435, 316),
    parish("Ashby Parva", "A", "LEI", "ENG", "SP5288", 452, 1288),
    parish("Rh\xF4s", "B", "DEN", "WLS", "SJ0040", 300, 340),
    parish("little ASH", "C", "lei", "ENG", "SK0000", 400, 300),
    records::makeRecord({"Odd", "A", " AB", "ENG", "SK0000", "   400", "   300"})};

// Six blanks, the name padded to 46, then each field as stored and one blank (plain
// lines and whole reports are pinned by the driver's golden list reports).
TEST(ListLine, ALongNameAndShortFieldsShiftTheRest)
{
    const std::string name45(45, 'N');
    const std::pair<records::ParishRecord, std::string> cases[] = {
        {parish(name45, "A", "LEI", "ENG", "SK3516", 435, 316), "      " + name45 + " A LEI ENG SK3516    435    316 "},
        {records::makeRecord({"X", "A", "LE", "ENG", "SK3516", "   435", "   316"}),
         "      X" + std::string(45, ' ') + "A LE ENG SK3516    435    316 "}};
    for (const auto& [record, line] : cases)
        EXPECT_EQ(reports::listLine(record), line);
}

TEST(ListReports, WhatIsListedAndTheLastLineOfTheReport)
{
    // county (or else matching), the text, how many are listed
    const std::tuple<bool, const char*, int> cases[] = {
        {true, "***", 6}, // every record, the version record too
        {true, "LEI", 3}, // a stored county matches in any case
        {true, "lei", 0}, // the caller upper-cases; a lower-case argument matches nothing stored
        {true, " AB", 1}, // a two-letter county stored with a leading blank needs the blank
        {true, "AB ", 0}, {false, "Database Version", 1}, // the version record is not skipped
        {false, "", 0}, // an empty pattern lists nothing
    };
    for (const auto& [county, text, listed] : cases) {
        SCOPED_TRACE(text);
        testsupport::OpenDataFile f(kParishes);
        NoProgress np;
        auto out = county ? reports::listCounty(f.cursor, text, np) : reports::listMatching(f.cursor, text, np);
        EXPECT_EQ(out.listed, listed);
        std::string last = "      " + std::to_string(listed)
                           + (county ? " Records Listed for  " + std::string(text) + " County\r\n"
                                     : " Records Listed matching Search String \"" + std::string(text) + "\" \r\n");
        EXPECT_TRUE(out.report.ends_with(" \r\n \r\n" + last)) << out.report;
        EXPECT_EQ(f.cursor.position, 6); // left at the end of the scan
    }
}
