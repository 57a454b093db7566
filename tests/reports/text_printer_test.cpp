#include "reports/text_printer.h"

#include <gtest/gtest.h>

// A printer with fixed-pitch metrics (10 wide, 20 high, empty lines 18) that logs what it is asked to do.
struct RecordingPrinter : reports::PrinterDevice {
    int width, height;
    std::string log;

    RecordingPrinter(int w, int h) : width(w), height(h) {}
    void begin(const std::string& title) override { log += "begin " + title + "|"; }
    void setFont(const std::string& family, int pt) override { log += family + " " + std::to_string(pt) + "|"; }
    int pageWidth() override { return width; }
    int pageHeight() override { return height; }
    int textWidth(std::string_view t) override { return static_cast<int>(t.size()) * 10; }
    int textHeight(std::string_view) override { return 20; }
    int charHeight() override { return 18; }
    void drawLine(int x, int y, std::string_view t) override
    {
        log += std::to_string(x) + "," + std::to_string(y) + " " + std::string(t) + "|";
    }
    void newPage() override { log += "page|"; }
    void end() override { log += "end"; }
};

// Lines advance by the text height and 2 (22), empty lines by the character height (18).
// Where a page of plain lines ends (fewer than two advances left) is pinned by the
// driver's golden printouts, 65 lines to a page.
TEST(TextPrinter, PageLayout)
{
    // width, height, lines, what is printed after "begin Job|Courier New 10|"
    const std::tuple<int, int, std::vector<std::string>, const char*> cases[] = {
        // After the fourth line 110 - 88 = 22 < 44: a page break is due, but no empty last page.
        {1000, 110, {"1", "2", "3", "4"}, "0,0 1|0,22 2|0,44 3|0,66 4|end"},
        // 0 -> 18 -> 36 (not past 40) -> 54 (past): the fourth line starts a page.
        {1000, 40, {"", "", "", "x"}, "0,0 |0,18 |0,36 |page|0,0 x|end"},
        {20, 66, {"abcdef", "g"}, "0,0 ab|0,22 cd|page|0,0 ef|0,22 g|end"}, // wrapped at the width, breaking pages
        {5, 10000, {"abc"}, "0,0 a|0,22 b|0,44 c|end"}, // one character a line at least
    };
    for (const auto& [width, height, lines, printed] : cases) {
        RecordingPrinter p(width, height);
        reports::printLines(p, "Job", "Courier New", 10, lines);
        EXPECT_EQ(p.log, std::string("begin Job|Courier New 10|") + printed) << printed;
    }
}
