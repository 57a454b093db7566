// SPDX-License-Identifier: GPL-3.0-or-later
// How the windows behave on a desktop of today: printing without a dialog
// never replaces a file unasked, boxes come up over the window in use and
// show their whole title, the viewer opens maximised, Esc closes, the column
// heading stands over its columns, text views zoom, and windows come back
// where the person left them.
#include "ui_fixture.h"

#include "records/record_line.h"

#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QWheelEvent>

namespace uitest {
namespace {

void writePdfPrinterTo(QPrinter& printer, const std::filesystem::path& file)
{
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(file.string()));
}

TEST_F(DesktopTest, PrintingWithoutADialogAsksForTheFileAndNeverReplacesOneUnasked)
{
    writeParishes(3);
    testsupport::writeBytes(dir_ / "MapList.Dat", "");
    testsupport::writeBytes(dir_ / "UKCoast.Txt", "   435    25\r\n");
    testsupport::writeBytes(dir_ / "UKLocs.Txt", "");
    testsupport::writeBytes(dir_ / "report.pdf", "the radius report");
    ui::QtPlatform desktop;
    platform_ = &desktop;
    writePdfPrinterTo(desktop.qprinter(), dir_ / "report.pdf");
    start();
    press(Qt::Key_Down);
    choose("Plot1");
    QAction* printPlot = window("LocPlotfm").findChild<QAction*>("PrintPlot1");
    ASSERT_NE(printPlot, nullptr);
    choose("OSMapData1");
    ASSERT_TRUE(window("Mapfm").isVisible());
    struct Case {
        std::function<void()> print;
        const char* file; // chosen in the save dialog; null cancels it
    } cases[] = {{[&] { window("Mapfm").click("Printbn"); }, nullptr},
                 {[&] { window("Mapfm").click("Printbn"); }, "sheets.pdf"},
                 {[&] { printPlot->trigger(); }, nullptr},
                 {[&] { printPlot->trigger(); }, "plot.pdf"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file ? c.file : "cancelled");
        bool asked = false;
        whenShown<QFileDialog>([&](QFileDialog& dialog) {
            asked = true;
            EXPECT_EQ(dialog.acceptMode(), QFileDialog::AcceptSave);
            if (!c.file)
                return dialog.reject();
            dialog.selectFile(QString::fromStdString((dir_ / c.file).string()));
            QMetaObject::invokeMethod(&dialog, "accept");
        });
        c.print();
        EXPECT_TRUE(asked);
        EXPECT_EQ(person_.take(), Shows{});
        EXPECT_EQ(testsupport::readBytes(dir_ / "report.pdf"), "the radius report");
        if (c.file) {
            EXPECT_EQ(testsupport::readBytes(dir_ / c.file).substr(0, 5), "%PDF-");
        }
        // The next print asks again, offering the file just written.
        writePdfPrinterTo(desktop.qprinter(), dir_ / "report.pdf");
    }
}

TEST_F(DesktopTest, BoxesComeUpOverTheWindowInUseAndShowTheirWholeTitle)
{
    QPrinter printer; // a PDF file in a folder that is not there: the printer fails to start
    writePdfPrinterTo(printer, dir_ / "no folder" / "sheets.pdf");
    ui::QtPrinterDevice pdf(printer);
    person_.printOn(&pdf);
    ui::QtDialogs dialogs;
    dialogs_ = &dialogs;
    writeParishes(3);
    testsupport::writeBytes(dir_ / "MapList.Dat", "");
    start();
    dialogs.setParent(&desktop_->mainWindow());
    press(Qt::Key_Down);
    choose("OSMapData1");
    QWidget* parent = nullptr;
    QString text;
    whenShown<QMessageBox>([&](QMessageBox& box) {
        parent = box.parentWidget();
        text = box.text();
        box.accept();
    });
    window("Mapfm").click("Printbn");
    EXPECT_EQ(text, "Printer selected is not valid.");
    EXPECT_EQ(parent, &window("Mapfm"));
    EXPECT_EQ(QApplication::activeModalWidget(), &window("Mapfm"));
    window("Mapfm").click("BitBtn1");

    // The shortest box is still as wide as its title in bold and four title bar buttons.
    QFont bold = QApplication::font();
    bold.setBold(true);
    int width = 0;
    whenShown<QMessageBox>([&](QMessageBox& box) {
        width = box.width();
        box.accept();
    });
    dialogs.message("No Item Selected");
    EXPECT_GE(width, QFontMetrics(bold).horizontalAdvance("Steeplewatcher") + 4 * 24);
}

TEST_F(DesktopTest, TheViewerOpensMaximisedAndEscClosesEveryWindowWithACloseOrCancelButton)
{
    writeParishes(3);
    testsupport::writeBytes(dir_ / "ParList.txt", "a report\r\n");
    testsupport::writeBytes(dir_ / "MapList.Dat", "");
    start();
    press(Qt::Key_Down);
    const struct {
        const char *form, *open;
    } cases[] = {{"ParListFm", "PrintPreview2"},
                 {"Mapfm", "OSMapData1"},
                 {"CodesFm", "Codes1"},
                 {"ReadMefm", "ReadMe1"},
                 {"Updatefm", "AllowAmendments1"}};
    for (int round = 0; round < 2; ++round)
        for (const auto& c : cases) {
            SCOPED_TRACE(c.form);
            choose(c.open);
            person_.take();
            QWidget& w = window(c.form);
            ASSERT_TRUE(w.isVisible());
            ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
            if (std::string_view(c.form) == "ParListFm") {
                EXPECT_TRUE(w.windowState() & Qt::WindowMaximized);
            }
            QTest::keyClick(w.focusWidget() ? w.focusWidget() : &w, Qt::Key_Escape);
            EXPECT_FALSE(w.isVisible());
        }
}

TEST_F(DesktopTest, TheColumnHeadingStandsOverTheColumnsItNames)
{
    const records::ParishRecord ashby = testsupport::parish("Ashby", "A", "LEI", "ENG", "SK3516", 435, 316);
    testsupport::writeDataFile(dir_ / "Parishes.Dat", {testsupport::versionRecord(), ashby});
    start();
    press(Qt::Key_Down);
    const QString line = QString::fromStdString(records::recordLine(ashby));
    auto& current = widget<QPlainTextEdit>("Parishfm", "Memo3");
    ASSERT_EQ(current.toPlainText(), line);
    auto& heading = widget<QLabel>("Parishfm", "Label21");
    // A column's left and right edges, in the heading's coordinates.
    const auto edge = [&](qsizetype column) {
        QTextCursor at(current.document());
        at.setPosition(static_cast<int>(column));
        return current.viewport()->mapTo(heading.window(), current.cursorRect(at).topLeft()).x()
               - heading.mapTo(heading.window(), QPoint(0, 0)).x();
    };
    const qsizetype cell = edge(1) - edge(0);
    const struct {
        const char* word;
        qsizetype first, last; // the columns of the field it names
    } columns[] = {{"Parish", 0, 5},
                   {"Type", line.indexOf(" A ") + 1, line.indexOf(" A ") + 2},
                   {"County", line.indexOf("LEI"), line.indexOf("LEI") + 3},
                   {"Country", line.indexOf("ENG"), line.indexOf("ENG") + 3},
                   {"OSRef", line.indexOf("SK3516"), line.indexOf("SK3516") + 6},
                   {"East/Northings", line.indexOf("435") - 3, line.size()}};
    const std::vector<ui::HeadingWord> words = ui::headingWords(desktop_->mainWindow());
    ASSERT_EQ(heading.text().toStdString(),
              "Parish Name                               Type County Country OSRef  East/Northings");
    int right = 0;
    for (const ui::HeadingWord& w : words) {
        EXPECT_GE(w.rect.left(), right) << w.word.toStdString(); // no word runs into the next
        right = w.rect.right();
        for (const auto& c : columns)
            if (w.word == c.word) {
                SCOPED_TRACE(c.word);
                const int centre = w.rect.center().x();
                EXPECT_GE(centre, edge(c.first) - cell);
                EXPECT_LE(centre, edge(c.last) + cell);
                if (std::string_view(c.word) == "Parish") {
                    EXPECT_NEAR(w.rect.left(), edge(0), 1);
                }
            }
    }
    EXPECT_EQ(words.size(), 7u);
}

TEST_F(DesktopTest, TextViewsZoomAndWindowsComeBackWhereThePersonLeftThem)
{
    writeParishes(3);
    start();
    choose("Codes1");
    auto& list = widget<QPlainTextEdit>("CodesFm", "RichEdit1");
    const qreal size = list.font().pointSizeF();
    list.setFocus();
    QTest::keyClick(&list, Qt::Key_Plus, Qt::ControlModifier);
    EXPECT_GT(list.font().pointSizeF(), size);
    QTest::keyClick(&list, Qt::Key_Minus, Qt::ControlModifier);
    EXPECT_EQ(list.font().pointSizeF(), size);
    QWheelEvent down(QPointF(5, 5), list.viewport()->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, -120),
                     Qt::NoButton, Qt::ControlModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(list.viewport(), &down);
    EXPECT_LT(list.font().pointSizeF(), size);

    window("CodesFm").setGeometry(140, 120, 633, 411);
    const QRect left = window("CodesFm").geometry();
    window("CodesFm").click("BitBtn1");
    start(); // the next run
    choose("Codes1");
    EXPECT_EQ(window("CodesFm").geometry(), left);
}

} // namespace
} // namespace uitest
