#include "reports/text_printer.h"

#include <gtest/gtest.h>

using reports::PrinterDevice;

namespace {

// A printer with fixed-pitch metrics that records what it is asked to do.
struct RecordingPrinter : PrinterDevice {
    int width, height, charW = 10, textH = 20, charH = 18;
    std::vector<std::string> log;

    RecordingPrinter(int w, int h) : width(w), height(h) {}
    void begin(const std::string& title) override { log.push_back("begin " + title); }
    void setFont(const std::string& family, int pt) override
    {
        log.push_back("font " + family + " " + std::to_string(pt));
    }
    int pageWidth() override { return width; }
    int pageHeight() override { return height; }
    int textWidth(std::string_view t) override { return static_cast<int>(t.size()) * charW; }
    int textHeight(std::string_view) override { return textH; }
    int charHeight() override { return charH; }
    void drawLine(int x, int y, std::string_view t) override
    {
        log.push_back(std::to_string(x) + "," + std::to_string(y) + " " + std::string(t));
    }
    void newPage() override { log.push_back("page"); }
    void end() override { log.push_back("end"); }
};

using Log = std::vector<std::string>;

Log print(RecordingPrinter& p, const std::vector<std::string>& lines)
{
    reports::printLines(p, "Job", "Courier New", 10, lines);
    return p.log;
}

} // namespace

TEST(TextPrinter, PrintsLinesDownFromTheTopLeftCorner)
{
    RecordingPrinter p(1000, 1000);
    EXPECT_EQ(print(p, {"one", "two"}), (Log{"begin Job", "font Courier New 10", "0,0 one", "0,22 two", "end"}));
}

TEST(TextPrinter, WrapsWhatDoesNotFitTheWidthAtTheLeftEdge)
{
    RecordingPrinter p(40, 1000); // four characters a line
    EXPECT_EQ(print(p, {"abcdefghij", "kl"}),
              (Log{"begin Job", "font Courier New 10", "0,0 abcd", "0,22 efgh", "0,44 ij", "0,66 kl", "end"}));
}

TEST(TextPrinter, NewPageWhenLessThanTwoAdvancesRemain)
{
    // Advances of 22: after lines at 0, 22, 44 the position is 66; 110 - 66 = 44 is
    // not less than 44, so a fourth line fits; after it 110 - 88 = 22 < 44.
    RecordingPrinter p(1000, 110);
    EXPECT_EQ(print(p, {"1", "2", "3", "4", "5", "6"}), (Log{"begin Job", "font Courier New 10", "0,0 1", "0,22 2",
                                                             "0,44 3", "0,66 4", "page", "0,0 5", "0,22 6", "end"}));
}

TEST(TextPrinter, NoEmptyPageAfterAFullLastPage)
{
    RecordingPrinter p(1000, 110);
    Log log = print(p, {"1", "2", "3", "4"});
    EXPECT_EQ(std::count(log.begin(), log.end(), "page"), 0);
    EXPECT_EQ(log.back(), "end");
}

TEST(TextPrinter, EmptyLinesAdvanceByTheCharacterHeightAndBreakOnlyPastTheBottom)
{
    RecordingPrinter p(1000, 40);
    // 0 -> 18 -> 36 (not past 40) -> 54 (past): the fourth line starts a page.
    EXPECT_EQ(print(p, {"", "", "", "x"}),
              (Log{"begin Job", "font Courier New 10", "0,0 ", "0,18 ", "0,36 ", "page", "0,0 x", "end"}));
}

TEST(TextPrinter, WrappedPiecesBreakPagesToo)
{
    RecordingPrinter p(20, 66); // two characters a line; breaks after each second piece
    EXPECT_EQ(print(p, {"abcdef"}),
              (Log{"begin Job", "font Courier New 10", "0,0 ab", "0,22 cd", "page", "0,0 ef", "end"}));
}

TEST(TextPrinter, ANarrowPageStillPrintsOneCharacterALine)
{
    RecordingPrinter p(5, 10000);
    Log log = print(p, {"abc"});
    EXPECT_EQ(Log(log.begin() + 2, log.end()), (Log{"0,0 a", "0,22 b", "0,44 c", "end"}));
}
