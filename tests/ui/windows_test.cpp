// SPDX-License-Identifier: GPL-3.0-or-later
// Every window: its caption, a widget or menu entry for each control of its core,
// available only when its command is built; one command at a time, even from
// inside a box; and an error a command lets out shown and the command ended.
#include "ui_fixture.h"

#include "app/forms.h"

#include <QMenu>

namespace uitest {
namespace {

using K = app::ControlKind;

TEST_F(DesktopTest, EveryWindowHasItsCaptionAndAWidgetOrMenuEntryForEachControl)
{
    writeParishes(3);
    start();
    for (const app::FormInfo& form : app::kForms) {
        QWidget* w = desktop_->window(form.name);
        ASSERT_NE(w, nullptr) << form.name;
        EXPECT_EQ(w->windowTitle(), ui::toQt(form.caption));
        EXPECT_EQ(w->isVisible(), form.name == "Parishfm");
        app::Window* core = desktop_->program().window(form.name);
        for (const app::Control& c : core ? core->controls() : std::vector<app::Control>{}) {
            SCOPED_TRACE(std::string(form.name) + "." + std::string(c.name));
            const QString name = ui::toQt(c.name);
            if (c.kind == K::Menu) {
                auto* menu = w->findChild<QMenu*>(name);
                ASSERT_NE(menu, nullptr);
                EXPECT_EQ(menu->menuAction()->isVisible(), c.visible);
                EXPECT_EQ(menu->menuAction()->isEnabled(), c.visible);
            } else if (c.kind == K::MenuItem || c.kind == K::Separator) {
                auto* action = w->findChild<QAction*>(name);
                ASSERT_NE(action, nullptr);
                EXPECT_EQ(action->isSeparator(), c.kind == K::Separator);
                EXPECT_EQ(action->isVisible(), c.visible);
                EXPECT_TRUE(c.kind == K::Separator || action->isEnabled() == (c.visible && bool(c.onClick)));
            } else {
                QWidget* widget = w->findChild<QWidget*>(name);
                ASSERT_NE(widget, nullptr);
                EXPECT_EQ(widget, window(form.name).widget(c.name));
                EXPECT_EQ(widget->isEnabled(), c.kind != K::Button || bool(c.onClick));
                EXPECT_TRUE(c.parent.empty() || window(form.name).widget(c.parent)->isAncestorOf(widget));
            }
        }
    }
}

TEST_F(DesktopTest, EveryWindowRefusesCommandsWhileABoxIsUpAndShowsAnError)
{
    QPrinter printer; // a PDF file in a folder that is not there
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString((dir_ / "no folder" / "sheets.pdf").string()));
    ui::QtPrinterDevice pdf(printer);
    person_.printOn(&pdf);
    const Shown noItem{Kind::Message, "No Item Selected"}, readError{Kind::Error, "Read beyond end of file."},
        printDialog{Kind::PrintDialog, ""}, denied{Kind::Error, "File access denied."},
        badPrinter{Kind::Error, "Printer selected is not valid."};
    struct Case {
        const char *form, *open; // the window and the main window's menu item that shows it
        const char *asks, *fails, *refused; // controls: one that asks, one that fails, one clicked during the box
        Shown asked, failed;
    } cases[] = {
        {"Parishfm", nullptr, "ClearCurrentItem1", "NextCounty1", "NextCounty1", noItem, readError},
        {"ParListFm", "PrintPreview2", "Print", "CSVOUTPUT", "Close", printDialog, denied},
        {"Mapfm", "OSMapData1", "Printbn", "Printbn", "BitBtn1", badPrinter, badPrinter},
    };
    writeParishes(3); // and a partial last record, that a scan to the end fails to read
    testsupport::writeBytes(dir_ / "Parishes.Dat", testsupport::readBytes(dir_ / "Parishes.Dat") + "0123456789");
    testsupport::writeBytes(dir_ / "ParList.txt", "not a report\r\n");
    std::filesystem::create_directory(dir_ / "ParList.csv"); // cannot be written
    testsupport::writeBytes(dir_ / "MapList.Dat", "");
    person_.answer({"Cancel"}); // the viewer's print dialog
    for (const Case& c : cases) {
        SCOPED_TRACE(c.form);
        start();
        press(Qt::Key_Down);
        if (c.open)
            choose(c.open);
        person_.take();
        ASSERT_TRUE(window(c.form).isVisible());
        const bool modal = std::string_view(c.form) == "Mapfm";
        EXPECT_EQ(window(c.form).windowModality(), modal ? Qt::ApplicationModal : Qt::NonModal);
        EXPECT_EQ(QApplication::activeModalWidget(), modal ? &window(c.form) : nullptr);
        const int at = core().currentRecord();
        person_.duringNextBox([&] {
            for (app::Window* w : desktop_->program().windows())
                EXPECT_FALSE(desktop_->formWindow(*w)->dispatch([] { ADD_FAILURE() << "ran"; })) << w->name();
            click(c.form, c.refused);
            press(Qt::Key_Down);
        });
        window(c.form).click(c.asks);
        EXPECT_EQ(person_.take(), Shows{c.asked});
        EXPECT_TRUE(window(c.form).isVisible());
        EXPECT_EQ(core().currentRecord(), at);
        window(c.form).click(c.fails);
        EXPECT_EQ(person_.take(), Shows{c.failed});
        EXPECT_EQ(person_.busyDepth(), 0);
    }
    EXPECT_FALSE(person_.answersLeft());
}

} // namespace
} // namespace uitest
