// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop's own ports: real message and input boxes answered by a click,
// and the end of the program asked before its loop runs.
#include "ui_fixture.h"

#include <QAbstractButton>
#include <QInputDialog>
#include <QMessageBox>

namespace uitest {
namespace {

TEST(QtDialogsTest, EachBoxKindHasItsIconButtonsAndAnswer)
{
    ui::QtDialogs dialogs;
    using B = QMessageBox;
    const std::string text = "Rh\xF4s <b>not bold</b>";
    struct Case {
        std::function<bool()> call;
        B::Icon icon;
        B::StandardButtons buttons;
        B::StandardButton press; // NoButton: closed with Escape
        bool result;
    } cases[] = {
        {[&] { return dialogs.message(text), true; }, B::NoIcon, B::Ok, B::Ok, true},
        {[&] { return dialogs.warningOk(text), true; }, B::Warning, B::Ok, B::Ok, true},
        {[&] { return dialogs.errorBox(text), true; }, B::Critical, B::Ok, B::Ok, true},
        {[&] { return dialogs.warningYesNo(text); }, B::Warning, B::Yes | B::No, B::NoButton, false},
        {[&] { return dialogs.confirmYesNo(text); }, B::Question, B::Yes | B::No, B::No, false},
        {[&] { return dialogs.confirmOkCancel(text); }, B::Question, B::Ok | B::Cancel, B::Ok, true},
        {[&] { return dialogs.confirmOkCancel(text); }, B::Question, B::Ok | B::Cancel, B::NoButton, false},
        {[&] { return dialogs.infoYesNo(text); }, B::Information, B::Yes | B::No, B::Yes, true},
        {[&] { return dialogs.infoYesNo(text); }, B::Information, B::Yes | B::No, B::NoButton, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.icon);
        bool seen = false;
        whenShown<QMessageBox>([&](QMessageBox& box) {
            EXPECT_EQ(box.windowTitle(), "Steeplewatcher");
            EXPECT_EQ(box.text(), QString::fromUtf8("Rhôs <b>not bold</b>"));
            EXPECT_EQ(box.textFormat(), Qt::PlainText);
            EXPECT_EQ(box.icon(), c.icon);
            EXPECT_EQ(box.standardButtons(), c.buttons);
            seen = true;
            if (c.press == B::NoButton)
                QTest::keyClick(&box, Qt::Key_Escape);
            else
                box.button(c.press)->click();
        });
        EXPECT_EQ(c.call(), c.result);
        EXPECT_TRUE(seen);
    }

    // The input box gives the text, or nothing when cancelled.
    whenShown<QInputDialog>([](QInputDialog& box) {
        EXPECT_EQ(box.windowTitle(), "Record");
        EXPECT_EQ(box.labelText(), "Go to record number");
        EXPECT_EQ(box.textValue(), "12");
        box.setTextValue(QString::fromUtf8("Rhôs"));
        box.accept();
    });
    EXPECT_EQ(dialogs.inputBox("Record", "Go to record number", "12"), std::optional<std::string>("Rh\xF4s"));
    whenShown<QInputDialog>([](QInputDialog& box) { box.reject(); });
    EXPECT_EQ(dialogs.inputBox("Record", "Go to record number", "12"), std::nullopt);
}

TEST(QtPlatformTest, QuitAskedBeforeTheLoopStartsEndsIt)
{
    ui::QtPlatform().quit();
    QTimer guard; // ends a loop that nothing else would
    QObject::connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(99); });
    guard.start(5000);
    EXPECT_EQ(QApplication::exec(), 0);
}

} // namespace
} // namespace uitest
