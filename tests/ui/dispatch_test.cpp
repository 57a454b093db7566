// SPDX-License-Identifier: GPL-3.0-or-later
// One command at a time in every window, even from inside a box's event loop,
// and an error a command lets out ends that command only.
#include "ui_fixture.h"

#include "support/data_files.h"
#include "ui/qt_printer.h"

#include <filesystem>

namespace uitest {
namespace {

using Kind = Shown::Kind;

class DispatchTest : public DesktopTest {
protected:
    // While the next box is up, no window takes a command, nor the person's click.
    void refuseEverythingDuringNextBox(std::string_view form, std::string_view button)
    {
        person_.duringNextBox([this, form, button] {
            for (app::Window* core : desktop_->program().windows())
                EXPECT_FALSE(desktop_->formWindow(*core)->dispatch([] { ADD_FAILURE() << "ran"; })) << core->name();
            click(form, button);
            press(Qt::Key_Down);
        });
    }
};

TEST_F(DispatchTest, TheMainWindowRefusesCommandsWhileABoxIsUpAndGoesOnAfterAnError)
{
    // A partial last record: End reads it and fails, and so does a scan to the end.
    testsupport::writeBytes(dir_ / "Parishes.Dat", std::string(20 * 77 + 10, 'x'));
    start();
    person_.take();
    refuseEverythingDuringNextBox("Parishfm", "NextCounty1");
    choose("ClearCurrentItem1");
    EXPECT_EQ(person_.take(), (std::vector<Shown>{{Kind::Message, "No Item Selected"}}));
    EXPECT_EQ(core().currentRecord(), 0);

    press(Qt::Key_End);
    EXPECT_EQ(person_.take(), (std::vector<Shown>{{Kind::Error, "Read beyond end of file."}}));
    press(Qt::Key_Home);
    EXPECT_EQ(person_.take(), (std::vector<Shown>{{Kind::Beep}}));
    EXPECT_EQ(person_.busyDepth(), 0);
}

TEST_F(DispatchTest, TheViewerRefusesCommandsWhileABoxIsUpAndGoesOnAfterAnError)
{
    writeParishes(3);
    testsupport::writeBytes(dir_ / "ParList.txt", "not a report\r\n");
    std::filesystem::create_directory(dir_ / "ParList.csv"); // cannot be written
    start();
    choose("PrintPreview2");
    refuseEverythingDuringNextBox("ParListFm", "Close");
    person_.answer("Cancel");
    click("ParListFm", "Print");
    EXPECT_EQ(person_.take(), std::vector{Shown{Kind::PrintDialog}});
    EXPECT_TRUE(window("ParListFm").isVisible());
    EXPECT_EQ(person_.printed(), std::vector<std::string>{});

    click("ParListFm", "CSVOUTPUT");
    EXPECT_EQ(person_.take(), (std::vector<Shown>{{Kind::Error, "File access denied."}}));
    EXPECT_EQ(person_.busyDepth(), 0);
    click("ParListFm", "Close");
    EXPECT_FALSE(window("ParListFm").isVisible());
}

TEST_F(DispatchTest, TheMapSheetDialogRefusesCommandsWhileABoxIsUpAndGoesOnAfterAnError)
{
    writeParishes(3);
    testsupport::writeBytes(dir_ / "MapList.Dat", "");
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString((dir_ / "no folder" / "sheets.pdf").string()));
    ui::QtPrinterDevice pdf(printer);
    person_.printOn(pdf);
    start();
    press(Qt::Key_Down);
    choose("OSMapData1");
    refuseEverythingDuringNextBox("Mapfm", "BitBtn1");
    click("Mapfm", "Printbn");
    EXPECT_EQ(person_.take(), (std::vector<Shown>{{Kind::Error, "Printer selected is not valid."}}));
    EXPECT_TRUE(window("Mapfm").isVisible());
    EXPECT_EQ(core().currentRecord(), 1);
    click("Mapfm", "BitBtn1");
    EXPECT_FALSE(window("Mapfm").isVisible());
}

} // namespace
} // namespace uitest
