// SPDX-License-Identifier: GPL-3.0-or-later
// How the windows behave on a desktop of today: printing without a dialog
// never replaces a file unasked, and boxes come up over the window in use and
// show their whole title.
#include "ui_fixture.h"

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

} // namespace
} // namespace uitest
