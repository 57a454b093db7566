#include "reports/csv_convert.h"

#include <gtest/gtest.h>

namespace {

std::string blanks(std::size_t n)
{
    return std::string(n, ' ');
}

// Seven quoted fields of the given blanks widths and the line end.
std::string blankCsvLine(std::initializer_list<std::size_t> widths)
{
    std::string s;
    for (std::size_t w : widths)
        s += "\"" + blanks(w) + "\",";
    return s + "\r\n";
}

const std::string kRadiusHeading =
    "      Steeplewatcher Report\r\n      =====================\r\n                     \r\n"
    "   The following list of Parishes are within a \r\n"
    "    10 Mile Radius of Ashby, A, LEI, ENG.\r\n            \r\n"
    "   Parish Name       x\r\n   ===========       x\r\n \r\n";
const std::string kListHead = " \r\n      County of LEI - List of Parishes.\r\n      ===\r\n \r\n";
const std::string kListLine = "      Ashby                                         A LEI ENG SK3516    435  12316 ";
const std::string kAshby = "\"Ashby" + blanks(40) + "\",\"A\",\"LEI\",\"ENG\",\"SK3516\",";

// Radius report fields are cut at 45, 1, 3, 3, 6, 6 and 20 characters, list report
// fields at 45, 1, 3, 3, 6, 3 and 4 (the last digits of easting and northing).
TEST(CsvConvert, ReportLinesCutIntoQuotedFields)
{
    const std::pair<std::string, std::string> cases[] = {
        {kRadiusHeading, blankCsvLine({45, 1, 3, 3, 6, 6, 20})}, // no parishes: one line of blanks
        {kRadiusHeading + "   Ashby                                         A LEI ENG SK3516   0.0  \r\n",
         kAshby + "\"   0.0\",\"" + blanks(20) + "\",\r\n"},
        {kRadiusHeading + "   Ashby Parva                                   A LEI ENG SP5288   3.2 North by North East"
             + "\r\n  \r\n     Program Terminated with Maximum 1000 Matches\r\n",
         "\"Ashby Parva" + blanks(34) + "\",\"A\",\"LEI\",\"ENG\",\"SP5288\",\"   3.2\",\" North by North East\",\r\n"
             + blankCsvLine({45, 1, 3, 3, 6, 6, 20})
             + "\"  Program Terminated with Maximum 1000 Matche\",\" \",\"   \",\"   \",\"      \",\"      \",\""
             + blanks(20) + "\",\r\n"},
        {kListHead + kListLine + "\r\n \r\n \r\n      1 Records Listed for  LEI County\r\n",
         kAshby + "\"435\",\"2316\",\r\n" + blankCsvLine({45, 1, 3, 3, 6, 3, 4}) + blankCsvLine({45, 1, 3, 3, 6, 3, 4})
             + "\"1 Records Listed for  LEI County" + blanks(13)
             + "\",\" \",\"   \",\"   \",\"      \",\"   \",\"    \",\r\n"},
        // Quotes inside a field are written unchanged.
        {" \r\n      Search String \"a\" - List\r\n      ===\r\n \r\n      0 Records \"x\"\r\n",
         "\"0 Records \"x\"" + blanks(32) + "\",\" \",\"   \",\"   \",\"      \",\"   \",\"    \",\r\n"},
        // LF-only lines read the same; a last line without an ending still converts.
        {" \n      County of LEI - List\n      ===\n \n" + kListLine, kAshby + "\"435\",\"2316\",\r\n"},
    };
    for (const auto& [report, csv] : cases)
        EXPECT_EQ(reports::reportToCsv(report), csv) << report;
}

TEST(CsvConvert, RecognitionOfTheKind)
{
    const std::pair<const char*, bool> cases[] = {
        {"", false},
        {"short\r\nlines\r\nonly\r\n", false},
        {"      Count\r\n", false}, // eleven characters
        {"      County\r\n", true}, // exactly twelve
        {"xxxxxxSearch of it", true}, // only columns 7 to 12 count
        {"      steeplewatcher\r\n", false}, // case matters
        {"\r\n\r\n      Steeplewatcher", true},
    };
    for (const auto& [text, known] : cases)
        EXPECT_EQ(reports::reportToCsv(text).has_value(), known) << text;
}

} // namespace
