// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop's own ports: real message and input boxes answered by a click,
// the hourglass stack, and the end of the program asked before its loop runs.
#include "ui/qt_ports.h"

#include <QAbstractButton>
#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace {

// Hands the next modal dialog of type T to the person once it is up.
template <class T> void whenShown(std::function<void(T&)> act)
{
    auto* timer = new QTimer;
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer, act] {
        if (auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            act(*dialog);
        }
    });
    timer->start();
}

TEST(QtDialogsTest, EachBoxKindHasItsIconButtonsAndAnswer)
{
    ui::QtDialogs dialogs;
    using B = QMessageBox;
    auto done = [](const std::function<void(ui::QtDialogs&)>& f) {
        return [f](ui::QtDialogs& d) {
            f(d);
            return true;
        };
    };
    const std::string text = "Rh\xF4s <b>not bold</b>";
    struct Case {
        const char* what;
        std::function<bool(ui::QtDialogs&)> call;
        B::Icon icon;
        B::StandardButtons buttons;
        B::StandardButton press; // NoButton: closed with Escape
        bool result;
    } cases[] = {
        {"message", done([&](auto& d) { d.message(text); }), B::NoIcon, B::Ok, B::Ok, true},
        {"warning", done([&](auto& d) { d.warningOk(text); }), B::Warning, B::Ok, B::Ok, true},
        {"error box", done([&](auto& d) { d.errorBox(text); }), B::Critical, B::Ok, B::Ok, true},
        {"warning closed", [&](auto& d) { return d.warningYesNo(text); }, B::Warning, B::Yes | B::No, B::NoButton,
         false},
        {"confirm No", [&](auto& d) { return d.confirmYesNo(text); }, B::Question, B::Yes | B::No, B::No, false},
        {"confirm OK", [&](auto& d) { return d.confirmOkCancel(text); }, B::Question, B::Ok | B::Cancel, B::Ok, true},
        {"confirm closed", [&](auto& d) { return d.confirmOkCancel(text); }, B::Question, B::Ok | B::Cancel,
         B::NoButton, false},
        {"info Yes", [&](auto& d) { return d.infoYesNo(text); }, B::Information, B::Yes | B::No, B::Yes, true},
        {"info closed", [&](auto& d) { return d.infoYesNo(text); }, B::Information, B::Yes | B::No, B::NoButton, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
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
        EXPECT_EQ(c.call(dialogs), c.result);
        EXPECT_TRUE(seen);
    }
}

TEST(QtDialogsTest, TheInputBoxGivesTheTextOrNothingWhenCancelled)
{
    ui::QtDialogs dialogs;
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

TEST(QtFeedbackTest, TheHourglassStacksAndComesOffCompletely)
{
    ui::QtFeedback feedback;
    ASSERT_EQ(QGuiApplication::overrideCursor(), nullptr);
    {
        app::BusyCursor outer(feedback);
        {
            app::BusyCursor inner(feedback);
            ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
            EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
        }
        EXPECT_NE(QGuiApplication::overrideCursor(), nullptr);
    }
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST(QtPlatformTest, QuitAskedBeforeTheLoopStartsEndsIt)
{
    ui::QtPlatform platform;
    platform.quit();
    QTimer guard; // ends a loop that nothing else would
    QObject::connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(99); });
    guard.start(5000);
    EXPECT_EQ(QApplication::exec(), 0);
}

} // namespace
