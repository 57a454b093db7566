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

} // namespace

TEST(TextPrinter, PageLayout)
{
    // Lines advance by the text height and 2 (22); empty lines by the character height (18).
    struct Case {
        const char* what;
        int width, height;
        std::vector<std::string> lines;
        Log printed; // after "begin Job" and the font
    };
    const Case cases[] = {
        {"down from the top left", 1000, 1000, {"one", "two"}, {"0,0 one", "0,22 two", "end"}},
        {"wraps at the width", 40, 1000, {"abcdefghij", "kl"}, {"0,0 abcd", "0,22 efgh", "0,44 ij", "0,66 kl", "end"}},
        // After lines at 0, 22, 44 the position is 66; 110 - 66 = 44 is not less than two advances,
        // so a fourth line fits; after it 110 - 88 = 22 < 44: a new page.
        {"break",
         1000,
         110,
         {"1", "2", "3", "4", "5"},
         {"0,0 1", "0,22 2", "0,44 3", "0,66 4", "page", "0,0 5", "end"}},
        {"no empty last page", 1000, 110, {"1", "2", "3", "4"}, {"0,0 1", "0,22 2", "0,44 3", "0,66 4", "end"}},
        // 0 -> 18 -> 36 (not past 40) -> 54 (past): the fourth line starts a page.
        {"empty lines", 1000, 40, {"", "", "", "x"}, {"0,0 ", "0,18 ", "0,36 ", "page", "0,0 x", "end"}},
        {"wrapped pieces break pages too", 20, 66, {"abcdef"}, {"0,0 ab", "0,22 cd", "page", "0,0 ef", "end"}},
        {"one character a line at least", 5, 10000, {"abc"}, {"0,0 a", "0,22 b", "0,44 c", "end"}},
    };
    for (const auto& c : cases) {
        RecordingPrinter p(c.width, c.height);
        reports::printLines(p, "Job", "Courier New", 10, c.lines);
        Log expected{"begin Job", "font Courier New 10"};
        expected.insert(expected.end(), c.printed.begin(), c.printed.end());
        EXPECT_EQ(p.log, expected) << c.what;
    }
}
