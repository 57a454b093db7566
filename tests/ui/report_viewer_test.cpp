// SPDX-License-Identifier: GPL-3.0-or-later
// The report viewer: edits stay while it is on screen and print, on real PDF
// pages as the text printer lays them out; a new report shows on coming back.
#include "ui_fixture.h"

#include "text/text_file.h"

#include <QCheckBox>

namespace uitest {
namespace {

// The PDF printer, keeping each page's lines as well.
struct PageKeeper : ui::QtPrinterDevice {
    using QtPrinterDevice::QtPrinterDevice;
    std::vector<std::vector<std::string>> pages = {{}};
    void drawLine(int x, int y, std::string_view t) override
    {
        pages.back().emplace_back(t);
        QtPrinterDevice::drawLine(x, y, t);
    }
    void newPage() override
    {
        pages.emplace_back();
        QtPrinterDevice::newPage();
    }
};

TEST_F(DesktopTest, TheViewerPrintsTheEditedTextOnPdfPagesAndShowsANewReportWhenShownAgain)
{
    writeParishes(30);
    std::vector<std::string> edited = {"edited"};
    for (int i = 0; i < 200; ++i)
        edited.push_back("Parish " + std::to_string(i) + " A LEI ENG SK3516 435 316");
    testsupport::writeBytes(dir_ / "ParList.txt", text::joinLines({edited.begin() + 1, edited.end()}));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString((dir_ / "report.pdf").string()));
    printer.setPageSize(QPageSize(QPageSize::A4));
    PageKeeper pdf(printer);
    person_.printOn(&pdf);
    start();
    choose("PrintPreview2");
    auto& shown = widget<QPlainTextEdit>("ParListFm", "RichEdit1");
    shown.setFocus();
    QTest::keyClick(&shown, Qt::Key_Home, Qt::ControlModifier);
    QTest::keyClicks(&shown, "edited");
    QTest::keyClick(&shown, Qt::Key_Return);
    type(tarPar(), "lei"); // a new report while the viewer is on screen
    person_.answer({"Yes", "OK"});
    choose("SelectedCounty1");
    EXPECT_EQ(lines("ParListFm", "RichEdit1"), edited);
    person_.take();
    click("ParListFm", "Print");
    EXPECT_EQ(person_.take(), (Shows{{Kind::PrintDialog, ""}}));

    // The PDF read back holds every line, on the pages the text printer broke them into.
    ASSERT_GE(pdf.pages.size(), 3u);
    std::vector<std::string> printed;
    std::string pdfText; // as pdftotext gives it: each line ended, each page too
    for (const auto& page : pdf.pages) {
        printed.insert(printed.end(), page.begin(), page.end());
        for (const std::string& line : page)
            pdfText += line + '\n';
        pdfText += '\f';
    }
    EXPECT_EQ(printed, edited);
    testsupport::CommandRun run = testsupport::runCommand("pdftotext -raw report.pdf -", dir_.path(), dir_.path());
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, pdfText);

    type(widget("ParListFm", "Scale"), "40");
    click("ParListFm", "CheckBox1");
    window("ParListFm").close();
    EXPECT_FALSE(window("ParListFm").isVisible());
    choose("PrintPreview2");
    EXPECT_EQ(lines("ParListFm", "RichEdit1"), text::splitLines(testsupport::readBytes(dir_ / "ParList.txt")));
    EXPECT_EQ(widget<QLineEdit>("ParListFm", "Scale").text(), "40");
    EXPECT_TRUE(widget<QCheckBox>("ParListFm", "CheckBox1").isChecked());
    EXPECT_EQ(person_.take(), Shows{});
}

} // namespace
} // namespace uitest
