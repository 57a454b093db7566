// SPDX-License-Identifier: GPL-3.0-or-later
// The report viewer: a new report shows when it comes on screen, edits stay
// while it is there and are what prints, and a long report printed to PDF.
#include "ui_fixture.h"

#include "support/data_files.h"
#include "text/text_file.h"
#include "ui/qt_printer.h"

#include <QCheckBox>
#include <QPlainTextEdit>

#include <sstream>

namespace uitest {
namespace {

using Kind = Shown::Kind;

TEST_F(DesktopTest, TheViewerShowsEachNewReportFromHiddenAndPrintsTheEditedText)
{
    writeParishes(30);
    start();
    auto countyList = [&](const char* county) {
        type(tarPar(), county);
        person_.answer("Yes");
        choose("SelectedCounty1");
    };
    auto report = [&] { return text::splitLines(testsupport::readBytes(dir_ / "ParList.txt")); };
    ui::FormWindow& viewer = window("ParListFm");
    countyList("lei");
    ASSERT_TRUE(viewer.isVisible());
    EXPECT_EQ(lines("ParListFm", "RichEdit1"), report());
    EXPECT_EQ(report().size(), 37u);

    auto& shown = widget<QPlainTextEdit>("ParListFm", "RichEdit1");
    shown.setFocus();
    QTest::keyClick(&shown, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(&shown, "edited");
    QTest::keyClick(&shown, Qt::Key_Return);
    countyList("***");
    EXPECT_EQ(lines("ParListFm", "RichEdit1"), (std::vector<std::string>{"edited", ""}));
    person_.take();
    person_.answer("OK");
    click("ParListFm", "Print");
    EXPECT_EQ(person_.take(), std::vector{Shown{Kind::PrintDialog}});
    EXPECT_EQ(person_.printed(), (std::vector<std::string>{"begin Steeplewatcher", "edited", "", "end"}));

    // The plot's settings reach the core and stay; the close box hides the viewer.
    type(widget("ParListFm", "Scale"), "40");
    QTest::mouseClick(&widget<QCheckBox>("ParListFm", "CheckBox1"), Qt::LeftButton);
    viewer.close();
    EXPECT_FALSE(viewer.isVisible());
    EXPECT_FALSE(desktop_->program().window("ParListFm")->visible());
    choose("PrintPreview2");
    EXPECT_TRUE(viewer.isVisible());
    EXPECT_EQ(lines("ParListFm", "RichEdit1"), report());
    EXPECT_EQ(text("ParListFm", "Scale"), "40");
    EXPECT_TRUE(widget<QCheckBox>("ParListFm", "CheckBox1").isChecked());
    EXPECT_EQ(person_.take(), std::vector<Shown>{});
}

// Passes the job on to the PDF printer and keeps each page's lines.
struct PageKeeper : reports::PrinterDevice {
    explicit PageKeeper(reports::PrinterDevice& device) : pdf(device) {}
    reports::PrinterDevice& pdf;
    std::vector<std::vector<std::string>> pages = {{}};
    void begin(const std::string& t) override { pdf.begin(t); }
    void setFont(const std::string& f, int p) override { pdf.setFont(f, p); }
    int pageWidth() override { return pdf.pageWidth(); }
    int pageHeight() override { return pdf.pageHeight(); }
    int textWidth(std::string_view t) override { return pdf.textWidth(t); }
    int textHeight(std::string_view t) override { return pdf.textHeight(t); }
    int charHeight() override { return pdf.charHeight(); }
    void drawLine(int x, int y, std::string_view t) override
    {
        pages.back().emplace_back(t);
        pdf.drawLine(x, y, t);
    }
    void newPage() override
    {
        pages.emplace_back();
        pdf.newPage();
    }
    void end() override { pdf.end(); }
};

TEST_F(DesktopTest, ALongReportPrintsToPdfOnThePagesTheLayoutDecides)
{
    writeParishes(3);
    std::vector<std::string> report;
    report.reserve(200);
    for (int i = 0; i < 200; ++i)
        report.push_back("Parish " + std::to_string(i) + " A LEI ENG SK3516 435 316");
    testsupport::writeBytes(dir_ / "ParList.txt", text::joinLines(report));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString((dir_ / "report.pdf").string()));
    printer.setPageSize(QPageSize(QPageSize::A4));
    ui::QtPrinterDevice pdf(printer);
    PageKeeper keeper(pdf);
    person_.printOn(keeper);
    start();
    choose("PrintPreview2");
    person_.answer("OK");
    click("ParListFm", "Print");
    EXPECT_EQ(person_.take(), std::vector{Shown{Kind::PrintDialog}});

    // The PDF read back holds every line, on the pages the text printer broke them into.
    ASSERT_GE(keeper.pages.size(), 3u);
    testsupport::CommandRun run = testsupport::runCommand("pdftotext -raw report.pdf -", dir_.path(), dir_.path());
    ASSERT_EQ(run.status, 0) << run.err;
    std::vector<std::vector<std::string>> pdfPages;
    std::istringstream pages(run.out);
    for (std::string page; std::getline(pages, page, '\f');) {
        std::istringstream pageLines(page);
        pdfPages.emplace_back();
        for (std::string line; std::getline(pageLines, line);)
            pdfPages.back().push_back(line);
    }
    EXPECT_EQ(pdfPages, keeper.pages);
}

} // namespace
} // namespace uitest
