// SPDX-License-Identifier: GPL-3.0-or-later
// The main window as the person uses it: typing and choosing, leaving the search
// box, keys, closing, and Show Location handing its address to the desktop.
#include "ui_fixture.h"

#include "records/record_line.h"

#include <QDesktopServices>
#include <QMessageBox>
#include <QUrl>

namespace uitest {
namespace {

std::vector<std::string> items(QComboBox& box)
{
    std::vector<std::string> out(static_cast<std::size_t>(box.count()));
    for (int i = 0; i < box.count(); ++i)
        out[static_cast<std::size_t>(i)] = ui::fromQt(box.itemText(i));
    return out;
}

class UrlCatcher : public QObject {
    Q_OBJECT
public:
    QStringList opened;
public slots:
    void open(const QUrl& url) { opened << url.toString(QUrl::FullyEncoded); }
};

TEST_F(DesktopTest, WhatThePersonTypesAndChoosesReachesTheCommandsAndTheirResultsShow)
{
    using testsupport::parish;
    const std::vector<records::ParishRecord> file = {testsupport::versionRecord(),
                                                     parish("Ashby", "A", "LEI", "ENG", "SK3516", 435, 316),
                                                     parish("Rh\xF4s-on-Sea", "A", "DEN", "WAL", "SH8380", 283, 380)};
    testsupport::writeDataFile(dir_ / "Parishes.Dat", file);
    testsupport::writeBytes(dir_ / "HistList.txt", "ash\r\nbath\r\n");
    ui::QtPlatform desktop;
    platform_ = &desktop;
    start();
    click("Parishfm", "AnyRb");
    type(tarPar(), QString::fromUtf8("\u00F4s"));
    // A box taking the focus is not leaving the search box; Tab is.
    bool boxHadFocus = false;
    whenShown<QMessageBox>([&](QMessageBox& box) {
        boxHadFocus = QTest::qWaitFor([&] { return box.isAncestorOf(QApplication::focusWidget()); });
        box.close();
    });
    ui::QtDialogs(&window("Parishfm")).message("a box");
    ASSERT_TRUE(boxHadFocus);
    EXPECT_EQ(items(tarPar()), (std::vector<std::string>{"ash", "bath"}));
    window("Parishfm").activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window("Parishfm")));
    QTest::keyClick(tarPar().lineEdit(), Qt::Key_Tab);
    EXPECT_EQ(items(tarPar()), (std::vector<std::string>{"ash", "bath", "\xF4s"}));

    click("Parishfm", "FindFirst");
    EXPECT_EQ(widget<QLineEdit>("Parishfm", "Progress").text(), "2");
    EXPECT_EQ(lines("Parishfm", "Memo3"), std::vector{records::recordLine(file[2])});
    tarPar().setCurrentIndex(1); // "bath", as picked from the drop-down list
    choose("ClearCurrentItem1");
    EXPECT_EQ(items(tarPar()), (std::vector<std::string>{"ash", "\xF4s"}));
    type(widget("Parishfm", "Radius"), "12x");
    click("Parishfm", "ParishGroup");
    EXPECT_EQ(person_.take(), (Shows{{Kind::Warning, "Radius NOT Numeric: 3"}}));
    EXPECT_EQ(QApplication::focusWidget(), &widget("Parishfm", "Radius"));

    // Show Location hands the address of the found parish to the desktop.
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler("http", &catcher, "open");
    person_.answer({"Yes"});
    choose("ShowLocation2");
    QDesktopServices::unsetUrlHandler("http");
    EXPECT_EQ(catcher.opened.join(' ').toStdString(),
              "http://www.streetmap.co.uk/streetmap.dll?grid2map?X=283500&Y=380500&arrow=Y&zoom=5");
    EXPECT_EQ(person_.take().size(), 1u); // the question only
    desktop_.reset();
}

TEST_F(DesktopTest, AKeyMakesOneMoveWhereverTheFocusIsAndTheCloseBoxAndExitAskFirst)
{
    writeParishes(40);
    start();
    const char* focus[] = {"TarPar", "Radius", "Memo1", "Memo3", "StartRb"};
    const Qt::KeyboardModifiers shift[] = {
        {}, Qt::ShiftModifier, Qt::ControlModifier, Qt::AltModifier | Qt::ShiftModifier, Qt::ControlModifier};
    int at = 0;
    for (std::size_t i = 0; i < 5; ++i) {
        widget("Parishfm", focus[i]).setFocus();
        for (auto [key, move] : {std::pair{Qt::Key_PageDown, 6}, {Qt::Key_Down, 1}, {Qt::Key_Up, -1}}) {
            press(key, shift[i]);
            EXPECT_EQ(core().currentRecord(), at += move) << focus[i];
        }
    }
    type(tarPar(), "ash"); // the key still reaches the focused control
    tarPar().lineEdit()->setCursorPosition(0);
    press(Qt::Key_End);
    EXPECT_EQ(core().currentRecord(), 40);
    EXPECT_EQ(tarPar().lineEdit()->cursorPosition(), 3);
    EXPECT_EQ(person_.take(), (Shows{{Kind::Beep, ""}}));

    const Shown terminate{Kind::Confirm, "Terminate Application?"};
    person_.answer({"Cancel", "OK"});
    window("Parishfm").close();
    EXPECT_EQ(person_.take(), Shows{terminate});
    EXPECT_TRUE(window("Parishfm").isVisible());
    choose("Exit1");
    EXPECT_EQ(person_.take(), (Shows{terminate, {Kind::Quit, ""}}));
    EXPECT_FALSE(window("Parishfm").isVisible());
    EXPECT_TRUE(desktop_->ended());
}

// The amendment window: typing stops at a box's limit, but a longer text the
// program put in stays whole and may be shortened.
TEST_F(DesktopTest, TypingLimitsNeverCutTheProgramsText)
{
    writeParishes(3);
    start();
    press(Qt::Key_Down);
    choose("AllowAmendments1");
    auto& easting = widget<QLineEdit>("Updatefm", "Edit6");
    type(easting, "12345");
    EXPECT_EQ(easting.text(), "123");
    window("Updatefm").core().control("Edit6")->text->assign("123456");
    window("Updatefm").push();
    EXPECT_EQ(easting.text(), "123456");
    QTest::keyClick(&easting, Qt::Key_Backspace);
    QTest::keyClick(&easting, Qt::Key_7);
    EXPECT_EQ(easting.text(), "12345");
    click("Updatefm", "Cancel");
}

} // namespace
} // namespace uitest

#include "main_window_test.moc"
