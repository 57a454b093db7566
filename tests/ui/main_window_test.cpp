// SPDX-License-Identifier: GPL-3.0-or-later
// The main window as the person uses it: what is typed and chosen reaches the
// commands, what they change shows, keys, leaving the search box, closing.
#include "ui_fixture.h"

#include "app/messages.h"
#include "records/record_line.h"
#include "support/data_files.h"
#include "ui/qt_ports.h"
#include "ui/qt_text.h"

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTimer>

namespace uitest {
namespace {

using Kind = Shown::Kind;
using testsupport::parish;

const std::vector<records::ParishRecord> kFile = {
    testsupport::versionRecord(),
    parish("Ashby", "A", "LEI", "ENG", "SK3516", 435, 316),
    parish("Rh\xF4s-on-Sea", "A", "DEN", "WAL", "SH8380", 283, 380),
    parish("Llan\xF4r", "T", "DEN", "WAL", "SH8382", 283, 382),
};

std::vector<std::string> items(QComboBox& box)
{
    std::vector<std::string> out;
    out.reserve(static_cast<std::size_t>(box.count()));
    for (int i = 0; i < box.count(); ++i)
        out.push_back(ui::fromQt(box.itemText(i)));
    return out;
}

TEST_F(DesktopTest, WhatThePersonTypesAndChoosesReachesTheCommandAndItsResultShows)
{
    writeParishes(kFile);
    testsupport::writeBytes(dir_ / "HistList.txt", "ash\r\nbath\r\n");
    start();
    QTest::mouseClick(&widget("Parishfm", "AnyRb"), Qt::LeftButton);
    type(tarPar(), QString::fromUtf8("\u00F4s"));
    click("Parishfm", "FindFirst");
    EXPECT_EQ(person_.take(), std::vector<Shown>{});
    EXPECT_EQ(text("Parishfm", "Progress"), "2");
    EXPECT_EQ(lines("Parishfm", "Memo3"), std::vector{records::recordLine(kFile[2])});
    EXPECT_EQ(lines("Parishfm", "Memo1").back(), records::recordLine(kFile[1]));
    EXPECT_EQ(lines("Parishfm", "Memo2").front(), records::recordLine(kFile[3]));
    EXPECT_EQ(items(tarPar()), (std::vector<std::string>{"ash", "bath", "\xF4s"}));
    EXPECT_EQ(items(tarPar()), core().view().TarParItems);

    QTest::mouseClick(&widget("Parishfm", "StartRb"), Qt::LeftButton);
    click("Parishfm", "FindFirst");
    EXPECT_EQ(person_.take(), (std::vector<Shown>{{Kind::Message, "No Matching Name Found"}}));

    tarPar().setCurrentIndex(1); // "bath", as picked from the drop-down list
    choose("ClearCurrentItem1");
    EXPECT_EQ(person_.take(), std::vector<Shown>{});
    EXPECT_EQ(items(tarPar()), (std::vector<std::string>{"ash", "\xF4s"}));

    type(widget("Parishfm", "Radius"), "12x");
    click("Parishfm", "ParishGroup");
    EXPECT_EQ(person_.take(), (std::vector<Shown>{{Kind::Warning, "Radius NOT Numeric: 3"}}));
    EXPECT_EQ(QApplication::focusWidget(), &widget("Parishfm", "Radius"));
}

TEST_F(DesktopTest, ANavigationKeyMakesOneMoveWhereverTheFocusIsAndStillReachesTheControl)
{
    auto file = writeParishes(40);
    start();
    const Qt::KeyboardModifiers shifts[] = {Qt::NoModifier, Qt::ShiftModifier, Qt::ControlModifier,
                                            Qt::AltModifier | Qt::ShiftModifier, Qt::ControlModifier};
    int at = 0, i = 0;
    for (const char* focus : {"TarPar", "Radius", "Memo1", "Memo3", "StartRb"}) {
        SCOPED_TRACE(focus);
        widget("Parishfm", focus).setFocus();
        for (auto [key, move] : {std::pair{Qt::Key_PageDown, 6}, {Qt::Key_Down, 1}, {Qt::Key_Up, -1}}) {
            press(key, shifts[i]);
            at += move;
            EXPECT_EQ(core().currentRecord(), at);
        }
        EXPECT_EQ(text("Parishfm", "Progress"), std::to_string(at));
        EXPECT_EQ(lines("Parishfm", "Memo3"), std::vector{records::recordLine(file.at(static_cast<std::size_t>(at)))});
        ++i;
    }
    EXPECT_EQ(person_.take(), std::vector<Shown>{});

    type(tarPar(), "ash");
    tarPar().lineEdit()->setCursorPosition(0);
    press(Qt::Key_End);
    EXPECT_EQ(core().currentRecord(), 40);
    EXPECT_EQ(tarPar().lineEdit()->cursorPosition(), 3);
    EXPECT_EQ(person_.take(), std::vector<Shown>{{Kind::Beep}});
}

TEST_F(DesktopTest, KeysOnAnUnreadableRecordShowTheReadErrorAndTheProgramGoesOn)
{
    const Shown readError{Kind::Error, "Read beyond end of file."};
    struct Case {
        const char* what;
        std::string bytes;
        std::vector<Shown> atStart, afterHome;
    } cases[] = {
        {"an empty data file", "", {}, {readError}},
        {"a partial last record",
         std::string(20 * 77 + 10, 'x'),
         {{Kind::Message, std::string(app::msg::kDamagedDataFile)}},
         {{Kind::Beep}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        testsupport::writeBytes(dir_ / "Parishes.Dat", c.bytes);
        start();
        EXPECT_EQ(person_.take(), c.atStart);
        press(Qt::Key_End);
        EXPECT_EQ(person_.take(), std::vector{readError});
        press(Qt::Key_Home);
        EXPECT_EQ(person_.take(), c.afterHome);
        EXPECT_TRUE(window("Parishfm").isVisible());
        EXPECT_EQ(core().currentRecord(), 0);
    }
}

// Leaving it with the mouse or Tab keeps its text in the history; a box or
// another window taking the focus is not leaving it.
TEST_F(DesktopTest, LeavingTheSearchBoxAddsItsTextToTheHistoryOnce)
{
    writeParishes(3);
    start();
    type(tarPar(), "ash");
    bool boxHadFocus = false;
    QTimer person;
    person.setSingleShot(true);
    QObject::connect(&person, &QTimer::timeout, [&] {
        boxHadFocus = QApplication::focusWidget() && qobject_cast<QMessageBox*>(QApplication::focusWidget()->window());
        QApplication::activeModalWidget()->close();
    });
    person.start(50);
    ui::QtDialogs(&window("Parishfm")).message("a box");
    ASSERT_TRUE(boxHadFocus);
    EXPECT_EQ(tarPar().count(), 0);
    window("Parishfm").activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window("Parishfm")));
    ASSERT_TRUE(tarPar().isAncestorOf(QApplication::focusWidget()) || tarPar().hasFocus());

    QTest::keyClick(tarPar().lineEdit(), Qt::Key_Tab);
    EXPECT_EQ(items(tarPar()), std::vector<std::string>{"ash"});
    QTest::mouseClick(tarPar().lineEdit(), Qt::LeftButton);
    QTest::mouseClick(widget<QPlainTextEdit>("Parishfm", "Memo1").viewport(), Qt::LeftButton);
    EXPECT_EQ(items(tarPar()), std::vector<std::string>{"ash"});

    type(tarPar(), "bath");
    QTest::mouseClick(widget<QPlainTextEdit>("Parishfm", "Memo2").viewport(), Qt::LeftButton);
    EXPECT_EQ(items(tarPar()), (std::vector<std::string>{"ash", "bath"}));
    EXPECT_EQ(person_.take(), std::vector<Shown>{});
}

TEST_F(DesktopTest, TheCloseBoxAndExitAskFirstAndTheHistoryIsSavedForTheNextStart)
{
    writeParishes(3);
    struct Case {
        const char* how;
        std::function<void()> close;
        const char* typed;
        const char* saved;
    } cases[] = {
        {"close box", [&] { window("Parishfm").close(); }, "ash", "ash\r\n"},
        {"File > Exit", [&] { choose("Exit1"); }, "bath", "ash\r\nbath\r\n"},
    };
    const Shown terminate{Kind::Confirm, "Terminate Application?"};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.how);
        start();
        type(tarPar(), c.typed);
        QTest::keyClick(tarPar().lineEdit(), Qt::Key_Tab);
        person_.answer("Cancel");
        c.close();
        EXPECT_EQ(person_.take(), std::vector{terminate});
        EXPECT_TRUE(window("Parishfm").isVisible());
        EXPECT_EQ(testsupport::readBytes(dir_ / "HistList.txt"), c.saved);

        person_.answer("OK");
        c.close();
        EXPECT_EQ(person_.take(), (std::vector<Shown>{terminate, {Kind::Quit}}));
        EXPECT_FALSE(window("Parishfm").isVisible());
        EXPECT_TRUE(desktop_->ended());
    }
}

} // namespace
} // namespace uitest
