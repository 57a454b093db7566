// The report viewer's window: its controls, its mirror of the core through
// show, edit, close and reload, and a report printed to a real PDF file.
#include "window_fixture.h"

#include "app/parishfm.h"
#include "support/temp_dir.h"
#include "ui/parlistfm_window.h"
#include "ui/qt_printer.h"
#include "ui/qt_text.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <regex>

namespace {

using driver::Answer;

class ViewerTest : public uitest::WindowTest {
protected:
    void openViewer()
    {
        writeParishes(30);
        open();
        viewer_ = std::make_unique<ui::TParListFm>(window().core().parListFm());
        takeTranscript();
    }
    QPushButton* button(const char* name) { return viewer_->findChild<QPushButton*>(name); }
    QPlainTextEdit& richEdit() { return *viewer_->findChild<QPlainTextEdit*>("RichEdit1"); }
    void countyList(const char* county)
    {
        tarPar().setEditText(county);
        answer(Answer::Kind::Yes);
        window().dispatch([](app::Parishfm& core) { core.SelectedCounty1Click(); });
    }

    std::unique_ptr<ui::TParListFm> viewer_;
};

TEST_F(ViewerTest, ControlsCaptionAndStartState)
{
    openViewer();
    EXPECT_EQ(viewer_->windowTitle(), "Report  - Print Preview");
    EXPECT_FALSE(viewer_->isVisible());
    struct Button {
        const char* name;
        const char* caption;
        bool enabled;
    } buttons[] = {
        {"Print", "&Print", true},
        {"CSVOUTPUT", "Create a CSV &File", true},
        {"ShowPlot", "Plo&t", false}, // until the radius plot exists
        {"Close", "&Close", true},
    };
    for (const Button& b : buttons) {
        QPushButton* w = button(b.name);
        ASSERT_NE(w, nullptr) << b.name;
        EXPECT_EQ(w->text(), b.caption);
        EXPECT_EQ(w->isEnabled(), b.enabled) << b.name;
    }
    EXPECT_EQ(button("Print")->toolTip(), "Send report to printer");
    EXPECT_EQ(viewer_->findChild<QLineEdit*>("Scale")->text(), "25");
    EXPECT_FALSE(viewer_->findChild<QCheckBox*>("CheckBox1")->isChecked());
    EXPECT_EQ(viewer_->findChild<QLabel*>("Label3")->text(), "Pixels per Km");
    EXPECT_EQ(richEdit().font().pixelSize(), 13);
    EXPECT_EQ(richEdit().toPlainText(), "");
}

TEST_F(ViewerTest, ShowsTheNewReportKeepsEditsWhileOnScreenAndReloadsAfterClose)
{
    openViewer();
    countyList("lei");
    EXPECT_EQ(takeTranscript(),
              "confirm \"Are you sure that you want to CREATE A County Parish List for \\\"LEI\\\"?\" -> Yes\n"
              "show ParListFm\n");
    QStringList lines = richEdit().toPlainText().split('\n');
    ASSERT_EQ(lines.size(), 30 + 7);
    EXPECT_EQ(lines[1], "      County of LEI - List of Parishes.");

    // An edit on screen survives a new report while the window stays up, and is printed.
    richEdit().setPlainText("edited");
    countyList("***");
    EXPECT_EQ(richEdit().toPlainText(), "edited");
    takeTranscript();
    answer(Answer::Kind::OK);
    QTest::mouseClick(button("Print"), Qt::LeftButton);
    EXPECT_EQ(takeTranscript(), "print-dialog -> OK\nprint \"Steeplewatcher\"\nprint-line \"edited\"\nprint-end\n");

    // Close, then show again: the last report is loaded.
    QTest::mouseClick(button("Close"), Qt::LeftButton);
    EXPECT_EQ(takeTranscript(), "hide ParListFm\n");
    EXPECT_FALSE(window().core().parListFm().view.visible);
    window().dispatch([](app::Parishfm& core) { core.PrintPreview2Click(); });
    EXPECT_EQ(richEdit().toPlainText().split('\n')[1], "      County of *** - List of Parishes.");
}

TEST_F(ViewerTest, SettingsGoToTheCoreAndPersist)
{
    openViewer();
    viewer_->findChild<QLineEdit*>("Scale")->setText("40");
    viewer_->findChild<QCheckBox*>("CheckBox1")->setChecked(true);
    QTest::mouseClick(button("Close"), Qt::LeftButton);
    EXPECT_EQ(window().core().parListFm().view.Scale, "40");
    EXPECT_TRUE(window().core().parListFm().view.CheckBox1);
}

// Counts the pages a job starts, around the real printer.
struct PageCounting : reports::PrinterDevice {
    explicit PageCounting(reports::PrinterDevice& inner) : inner(inner) {}
    reports::PrinterDevice& inner;
    int newPages = 0, lines = 0;
    void begin(const std::string& t) override { inner.begin(t); }
    void setFont(const std::string& f, int p) override { inner.setFont(f, p); }
    int pageWidth() override { return inner.pageWidth(); }
    int pageHeight() override { return inner.pageHeight(); }
    int textWidth(std::string_view t) override { return inner.textWidth(t); }
    int textHeight(std::string_view t) override { return inner.textHeight(t); }
    int charHeight() override { return inner.charHeight(); }
    void drawLine(int x, int y, std::string_view t) override
    {
        ++lines;
        inner.drawLine(x, y, t);
    }
    void newPage() override
    {
        ++newPages;
        inner.newPage();
    }
    void end() override { inner.end(); }
};

int pdfPageCount(const std::string& pdf)
{
    std::regex page("/Type\\s*/Page[^s]");
    return static_cast<int>(std::distance(std::sregex_iterator(pdf.begin(), pdf.end(), page), std::sregex_iterator()));
}

TEST(PrintToPdf, AReportOfTwoHundredLinesFillsPagesAsTheLayoutDecides)
{
    testsupport::TempDir dir;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString((dir / "report.pdf").string()));
    printer.setPageSize(QPageSize(QPageSize::A4));
    ui::QtPrinterDevice device(printer);
    PageCounting counting(device);
    std::vector<std::string> lines;
    for (int i = 0; i < 200; ++i)
        lines.push_back("      Parish " + std::to_string(i) + std::string(33 - std::to_string(i).size(), '.')
                        + " A LEI ENG SK3516    435    316 ");
    reports::printLines(counting, "Steeplewatcher", "Courier New", 10, lines);

    const int pages = counting.newPages + 1;
    EXPECT_EQ(counting.lines, 200); // an A4 line holds 83 characters at 10 point: no wrapping
    EXPECT_GE(pages, 3);
    EXPECT_LE(pages, 5);
    EXPECT_EQ(pdfPageCount(testsupport::readBytes(dir / "report.pdf")), pages);
    // STEEPLEWATCHER_KEEP_PDF=path keeps the file, to look at (pdftoppm -png).
    if (const char* keep = std::getenv("STEEPLEWATCHER_KEEP_PDF"))
        std::filesystem::copy_file(dir / "report.pdf", keep, std::filesystem::copy_options::overwrite_existing);
}

} // namespace
