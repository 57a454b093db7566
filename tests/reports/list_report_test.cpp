#include "reports/list_report.h"
#include "support/data_files.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

using testsupport::parish;

namespace {

struct Counting : reports::ListProgress {
    std::vector<std::pair<int, int>> calls;
    void progress(std::int32_t read, std::int32_t listed) override { calls.emplace_back(read, listed); }
};

struct ListPass {
    testsupport::TempDir dir;
    records::RecordCursor cursor;
    Counting progress;

    explicit ListPass(const std::vector<records::ParishRecord>& records)
    {
        testsupport::writeDataFile(dir / "Parishes.Dat", records);
        cursor.file.open(dir / "Parishes.Dat");
        cursor.position = -1;
    }
    reports::ListOutcome county(std::string_view c) { return reports::listCounty(cursor, c, progress); }
    reports::ListOutcome matching(std::string_view s) { return reports::listMatching(cursor, s, progress); }
};

const std::vector<records::ParishRecord> kParishes = {
    testsupport::versionRecord(),
    parish("Ashby", "A", "LEI", "ENG", "SK3516", 435, 316),
    parish("Ashby Parva", "A", "LEI", "ENG", "SP5288", 452, 1288),
    parish("Rh\xF4s", "B", "DEN", "WLS", "SJ0040", 300, 340),
    parish("little ASH", "C", "lei", "ENG", "SK0000", 400, 300),
};

const std::string kAshbyLine = "      Ashby                                         A LEI ENG SK3516    435    316 ";

} // namespace

TEST(ListLine, IsEightyThreeCharactersWithFieldsAtTheirColumns)
{
    std::string line = reports::listLine(parish("Ashby", "A", "LEI", "ENG", "SK3516", 435, 316));
    EXPECT_EQ(line, kAshbyLine);
    EXPECT_EQ(line.size(), 83u);
    EXPECT_EQ(line.substr(52, 1), "A");
    EXPECT_EQ(line.substr(54, 3), "LEI");
    EXPECT_EQ(line.substr(76, 6), "   316");
}

TEST(ListLine, FullNameGetsOneBlankAndShortFieldsShiftTheRest)
{
    std::string name45(45, 'N');
    EXPECT_EQ(reports::listLine(parish(name45, "A", "LEI", "ENG", "SK3516", 435, 316)).substr(6, 47), name45 + " A");
    auto shortCounty = records::makeRecord({"X", "A", "LE", "ENG", "SK3516", "   435", "   316"});
    EXPECT_EQ(reports::listLine(shortCounty), "      X" + std::string(45, ' ') + "A LE ENG SK3516    435    316 ");
}

TEST(CountyList, WholeReportByteForByte)
{
    ListPass p(kParishes);
    auto out = p.county("LEI");
    EXPECT_EQ(out.report, " \r\n"
                          "      County of LEI - List of Parishes.\r\n"
                          "      ====================================\r\n"
                          " \r\n"
                              + kAshbyLine + "\r\n" + reports::listLine(kParishes[2]) + "\r\n"
                              + reports::listLine(kParishes[4])
                              + "\r\n"
                                " \r\n"
                                " \r\n"
                                "      3 Records Listed for  LEI County\r\n");
    EXPECT_EQ(out.listed, 3);
    EXPECT_EQ(p.cursor.position, 5); // left at the end of the scan
}

TEST(CountyList, ArgumentSelection)
{
    struct Case {
        const char* county;
        int listed;
    } cases[] = {
        {"***", 5}, // every record, the version record too
        {"DEN", 1},
        {"XYZ", 0},
        {"lei", 0}, // the caller upper-cases; a lower-case argument matches nothing stored
    };
    for (const Case& c : cases) {
        ListPass p(kParishes);
        auto out = p.county(c.county);
        EXPECT_EQ(out.listed, c.listed) << c.county;
        EXPECT_NE(
            out.report.find("      " + std::to_string(c.listed) + " Records Listed for  " + c.county + " County\r\n"),
            std::string::npos)
            << c.county;
    }
}

TEST(CountyList, TwoLetterCountyWithLeadingBlankNeedsTheBlank)
{
    ListPass p({records::makeRecord({"Odd", "A", " AB", "ENG", "SK0000", "   400", "   300"})});
    EXPECT_EQ(p.county(" AB").listed, 1);
    ListPass q({records::makeRecord({"Odd", "A", " AB", "ENG", "SK0000", "   400", "   300"})});
    EXPECT_EQ(q.county("AB ").listed, 0);
}

TEST(SearchList, WholeReportByteForByteKeepsTheTextAsTyped)
{
    ListPass p(kParishes);
    auto out = p.matching("  ash ");
    EXPECT_EQ(out.report, " \r\n"
                          "      Search String \"ash\" - List of Parishes.\r\n"
                          "      =========================================\r\n"
                          " \r\n"
                              + kAshbyLine + "\r\n" + reports::listLine(kParishes[2]) + "\r\n"
                              + reports::listLine(kParishes[4])
                              + "\r\n"
                                " \r\n"
                                " \r\n"
                                "      3 Records Listed matching Search String \"ash\" \r\n");
}

TEST(SearchList, Matching)
{
    struct Case {
        const char* text;
        int listed;
    } cases[] = {
        {"   ", 0}, // blanks only: an empty pattern lists nothing
        {"", 0},        {"Database Version", 1}, // the version record is not skipped
        {"RH\xD4S", 1}, // accented letters fold
        {"parva", 1},   {"zzz", 0},
    };
    for (const Case& c : cases) {
        ListPass p(kParishes);
        EXPECT_EQ(p.matching(c.text).listed, c.listed) << c.text;
    }
}

TEST(ListScans, ReportProgressEveryThousandRecordsAndEndCleanlyOnAnEmptyFile)
{
    ListPass p(testsupport::numberedParishes(2500));
    p.county("***");
    EXPECT_EQ(p.progress.calls, (std::vector<std::pair<int, int>>{{1000, 1000}, {2000, 2000}}));

    ListPass empty({});
    auto out = empty.matching("ash");
    EXPECT_EQ(out.listed, 0);
    EXPECT_EQ(empty.cursor.position, 0);
    EXPECT_NE(out.report.find("      0 Records Listed matching"), std::string::npos);
}
