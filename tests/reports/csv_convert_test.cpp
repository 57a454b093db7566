#include "reports/csv_convert.h"

#include <gtest/gtest.h>

using reports::ReportKind;

namespace {

std::string blanks(std::size_t n)
{
    return std::string(n, ' ');
}

// Seven quoted fields of the given blanks widths.
std::string blankCsvLine(std::initializer_list<std::size_t> widths)
{
    std::string s;
    for (std::size_t w : widths)
        s += "\"" + blanks(w) + "\",";
    return s;
}

const std::string kRadiusHeading = "      Steeplewatcher Report\r\n"
                                   "      =====================\r\n"
                                   "                     \r\n"
                                   "   The following list of Parishes are within a \r\n"
                                   "    10 Mile Radius of Ashby, A, LEI, ENG.\r\n"
                                   "            \r\n"
                                   "   Parish Name       x\r\n"
                                   "   ===========       x\r\n"
                                   " \r\n";

const std::string kAshbyHit = "   Ashby                                         A LEI ENG SK3516   0.0  ";
const std::string kListHead = " \r\n      County of LEI - List of Parishes.\r\n      ===\r\n \r\n";
const std::string kListLine = "      Ashby                                         A LEI ENG SK3516    435  12316 ";

} // namespace

TEST(CsvConvert, RadiusReportWithNoParishesGivesOneLineOfBlanks)
{
    EXPECT_EQ(reports::reportToCsv(kRadiusHeading), blankCsvLine({45, 1, 3, 3, 6, 6, 20}) + "\r\n");
}

TEST(CsvConvert, RadiusHitOfTheFirstParishItself)
{
    std::string csv = *reports::reportToCsv(kRadiusHeading + kAshbyHit + "\r\n");
    EXPECT_EQ(csv,
              "\"Ashby" + blanks(40) + "\",\"A\",\"LEI\",\"ENG\",\"SK3516\",\"   0.0\",\"" + blanks(20) + "\",\r\n");
}

TEST(CsvConvert, RadiusHitWithDirectionAndTheClosingLinesOfACutReport)
{
    std::string hit = "   Ashby Parva                                   A LEI ENG SP5288   3.2 North by North East";
    std::string csv =
        *reports::reportToCsv(kRadiusHeading + hit + "\r\n  \r\n     Program Terminated with Maximum 1000 Matches\r\n");
    EXPECT_EQ(csv,
              "\"Ashby Parva" + blanks(34)
                  + "\",\"A\",\"LEI\",\"ENG\",\"SP5288\",\"   3.2\",\" North by North East\",\r\n"
                  + blankCsvLine({45, 1, 3, 3, 6, 6, 20}) + "\r\n"
                  + "\"  Program Terminated with Maximum 1000 Matche\",\" \",\"   \",\"   \",\"      \",\"      \",\""
                  + blanks(20) + "\",\r\n");
}

TEST(CsvConvert, ListReportKeepsLastDigitsOfEastingAndNorthingAndConvertsTheClosingLines)
{
    std::string report = kListHead + kListLine + "\r\n \r\n \r\n      1 Records Listed for  LEI County\r\n";
    std::string csv = *reports::reportToCsv(report);
    EXPECT_EQ(csv, "\"Ashby" + blanks(40) + "\",\"A\",\"LEI\",\"ENG\",\"SK3516\",\"435\",\"2316\",\r\n"
                       + blankCsvLine({45, 1, 3, 3, 6, 3, 4}) + "\r\n" + blankCsvLine({45, 1, 3, 3, 6, 3, 4}) + "\r\n"
                       + "\"1 Records Listed for  LEI County" + blanks(13)
                       + "\",\" \",\"   \",\"   \",\"      \",\"   \",\"    \",\r\n");
}

TEST(CsvConvert, QuotesInsideAFieldAreWrittenUnchanged)
{
    std::string report = " \r\n      Search String \"a\" - List\r\n      ===\r\n \r\n      0 Records \"x\"\r\n";
    EXPECT_EQ(*reports::reportToCsv(report),
              "\"0 Records \"x\"" + blanks(32) + "\",\" \",\"   \",\"   \",\"      \",\"   \",\"    \",\r\n");
}

TEST(CsvConvert, RecognitionOfTheKind)
{
    struct Case {
        const char* text;
        bool known;
    } cases[] = {
        {"", false},
        {"short\r\nlines\r\nonly\r\n", false},
        {"      Count\r\n", false}, // eleven characters
        {"      County\r\n", true}, // exactly twelve
        {"xxxxxxSearch of it", true}, // only columns 7 to 12 count
        {"      steeplewatcher\r\n", false}, // case matters
        {"\r\n\r\n      Steeplewatcher", true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(reports::reportToCsv(c.text).has_value(), c.known) << c.text;
}

TEST(CsvConvert, LineEndingsAndFileEndingWithoutLineEnd)
{
    // LF-only lines read the same; a last line without an ending still converts.
    std::string report = " \n      County of LEI - List\n      ===\n \n" + kListLine;
    auto csv = *reports::reportToCsv(report);
    EXPECT_EQ(csv.substr(0, 7), "\"Ashby ");
    EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), 1);
}
