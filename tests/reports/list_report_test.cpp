#include "reports/list_report.h"
#include "support/data_files.h"

#include <gtest/gtest.h>

using testsupport::parish;

namespace {

struct Counting : reports::ListProgress {
    std::vector<std::pair<int, int>> calls;
    void progress(std::int32_t read, std::int32_t listed) override { calls.emplace_back(read, listed); }
};

struct ListPass : testsupport::OpenDataFile {
    using OpenDataFile::OpenDataFile;
    Counting progress;
    reports::ListOutcome county(std::string_view c) { return reports::listCounty(cursor, c, progress); }
    reports::ListOutcome matching(std::string_view s) { return reports::listMatching(cursor, s, progress); }
};

const std::vector<records::ParishRecord> kParishes = {
    testsupport::versionRecord(),
    parish("Ashby", "A", "LEI", "ENG", "SK3516", 435, 316),
    parish("Ashby Parva", "A", "LEI", "ENG", "SP5288", 452, 1288),
    parish("Rh\xF4s", "B", "DEN", "WLS", "SJ0040", 300, 340),
    parish("little ASH", "C", "lei", "ENG", "SK0000", 400, 300),
    records::makeRecord({"Odd", "A", " AB", "ENG", "SK0000", "   400", "   300"})};

} // namespace

// Six blanks, the name padded to 46, then each field as stored and one blank.
TEST(ListLine, FieldsAtTheirColumnsAndShortFieldsShiftTheRest)
{
    const std::string name45(45, 'N');
    const std::pair<records::ParishRecord, std::string> cases[] = {
        {kParishes[1], "      Ashby" + std::string(41, ' ') + "A LEI ENG SK3516    435    316 "}, // 83 characters
        {parish(name45, "A", "LEI", "ENG", "SK3516", 435, 316), "      " + name45 + " A LEI ENG SK3516    435    316 "},
        {kParishes[5], "      Odd" + std::string(43, ' ') + "A  AB ENG SK0000    400    300 "},
        {records::makeRecord({"X", "A", "LE", "ENG", "SK3516", "   435", "   316"}),
         "      X" + std::string(45, ' ') + "A LE ENG SK3516    435    316 "}};
    for (const auto& [record, line] : cases)
        EXPECT_EQ(reports::listLine(record), line);
}

TEST(ListReports, WholeReportsByteForByte)
{
    std::string lines = reports::listLine(kParishes[1]) + "\r\n" + reports::listLine(kParishes[2]) + "\r\n"
                        + reports::listLine(kParishes[4]) + "\r\n \r\n \r\n";
    ListPass county(kParishes);
    EXPECT_EQ(county.county("LEI").report, " \r\n      County of LEI - List of Parishes.\r\n"
                                           "      ====================================\r\n \r\n"
                                               + lines + "      3 Records Listed for  LEI County\r\n");
    EXPECT_EQ(county.cursor.position, 6); // left at the end of the scan
    ListPass search(kParishes); // the text as typed, without its outer blanks
    EXPECT_EQ(search.matching("  ash ").report, " \r\n      Search String \"ash\" - List of Parishes.\r\n"
                                                "      =========================================\r\n \r\n"
                                                    + lines
                                                    + "      3 Records Listed matching Search String \"ash\" \r\n");
}

TEST(ListReports, WhatIsListedAndTheLastLineOfTheReport)
{
    struct Case {
        bool county; // or matching
        const char* text;
        int listed;
    };
    const Case cases[] = {
        {true, "***", 6}, // every record, the version record too
        {true, "DEN", 1},      {true, "lei", 0}, // the caller upper-cases; a lower-case argument matches nothing stored
        {true, " AB", 1}, // a two-letter county stored with a leading blank needs the blank
        {true, "AB ", 0},      {false, "Database Version", 1}, // the version record is not skipped
        {false, "RH\xD4S", 1}, // accented letters fold
        {false, "zzz", 0},     {false, "", 0}, // an empty pattern lists nothing
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        ListPass p(kParishes);
        auto out = c.county ? p.county(c.text) : p.matching(c.text);
        EXPECT_EQ(out.listed, c.listed);
        std::string last = "      " + std::to_string(c.listed)
                           + (c.county ? " Records Listed for  " + std::string(c.text) + " County\r\n"
                                       : " Records Listed matching Search String \"" + std::string(c.text) + "\" \r\n");
        EXPECT_TRUE(out.report.ends_with(" \r\n \r\n" + last)) << out.report;
    }
    ListPass blanks(kParishes); // blanks only: shown as typed without them, nothing listed
    EXPECT_TRUE(blanks.matching("   ").report.ends_with("\r\n      0 Records Listed matching Search String \"\" \r\n"));
}

TEST(ListReports, ReportProgressEveryThousandRecordsAndEndCleanlyOnAnEmptyFile)
{
    ListPass p(testsupport::numberedParishes(2500));
    p.county("***");
    EXPECT_EQ(p.progress.calls, (std::vector<std::pair<int, int>>{{1000, 1000}, {2000, 2000}}));
    ListPass empty(std::vector<records::ParishRecord>{});
    auto out = empty.matching("ash");
    EXPECT_EQ(out.listed, 0);
    EXPECT_EQ(empty.cursor.position, 0);
    EXPECT_TRUE(out.report.ends_with("=\r\n \r\n \r\n \r\n      0 Records Listed matching Search String \"ash\" \r\n"))
        << out.report;
}
