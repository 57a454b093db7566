// Navigation keys pressed on the real window: the views show the record on
// show and its neighbours, the ends beep, and the key still reaches the control.
#include "window_fixture.h"

#include "records/record_line.h"
#include "support/data_files.h"
#include "ui/qt_text.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include <string>
#include <vector>

namespace uitest {
namespace {

enum class Before { DesignLines, Neighbours };
enum class After { Neighbours, EndMarkers };

struct KeyCase {
    const char* what;
    std::vector<int> keys;
    int record;
    int beeps;
    Before before;
    After after;
};

constexpr int Dn = Qt::Key_Down, Up = Qt::Key_Up, PgDn = Qt::Key_PageDown, PgUp = Qt::Key_PageUp, Home = Qt::Key_Home,
              End = Qt::Key_End;

// 21 records: the version record and parishes 1 to 20.
const KeyCase kKeyCases[] = {
    {"start", {}, 0, 0, Before::DesignLines, After::Neighbours},
    {"Down moves to the next record", {Dn}, 1, 0, Before::Neighbours, After::Neighbours},
    {"Up steps back", {Dn, Dn, Dn, Up}, 2, 0, Before::Neighbours, After::Neighbours},
    {"Up at the first record beeps and changes nothing", {Up}, 0, 1, Before::DesignLines, After::Neighbours},
    {"PageDown moves six", {PgDn}, 6, 0, Before::Neighbours, After::Neighbours},
    {"PageDown onto the last record", {PgDn, PgDn, Dn, Dn, PgDn}, 20, 0, Before::Neighbours, After::Neighbours},
    {"PageDown with five ahead beeps and stays",
     {PgDn, PgDn, Dn, Dn, Dn, PgDn},
     15,
     1,
     Before::Neighbours,
     After::Neighbours},
    {"PageUp with five before beeps and stays",
     {Dn, Dn, Dn, Dn, Dn, PgUp},
     5,
     1,
     Before::Neighbours,
     After::Neighbours},
    {"PageUp with six before moves to the first", {PgDn, PgUp}, 0, 0, Before::Neighbours, After::Neighbours},
    {"End shows the last record and end markers", {End}, 20, 1, Before::Neighbours, After::EndMarkers},
    {"Down at the last record beeps and stays", {End, Dn}, 20, 2, Before::Neighbours, After::EndMarkers},
    {"Up from the last record", {End, Up}, 19, 1, Before::Neighbours, After::Neighbours},
    {"Home returns to the first record and beeps", {Dn, Dn, Home}, 0, 1, Before::Neighbours, After::Neighbours},
    {"Home at the first record beeps again", {Home, Home}, 0, 2, Before::Neighbours, After::Neighbours},
};

class KeysTest : public WindowTest {
protected:
    std::string lineOf(int i) { return records::recordLine(file_.at(static_cast<std::size_t>(i))); }

    std::vector<std::string> expectedBefore(int n, Before kind)
    {
        if (kind == Before::DesignLines)
            return std::vector<std::string>(7);
        std::vector<std::string> out;
        for (int i = n - 7; i < n; ++i)
            out.push_back(i < 0 ? "... " : lineOf(i));
        return out;
    }

    std::vector<std::string> expectedAfter(int n, After kind)
    {
        std::vector<std::string> out;
        for (int i = n + 1; i <= n + 7; ++i)
            out.push_back(kind == After::EndMarkers || i >= static_cast<int>(file_.size()) ? "..." : lineOf(i));
        return out;
    }

    std::vector<records::ParishRecord> file_;
};

TEST_F(KeysTest, EachMoveShowsTheRecordItsNeighboursAndBeepsAtTheEnds)
{
    file_ = writeParishes(20);
    for (const KeyCase& c : kKeyCases) {
        SCOPED_TRACE(c.what);
        open();
        for (int key : c.keys)
            press(window(), key);

        EXPECT_EQ(window().core().currentRecord(), c.record);
        EXPECT_EQ(text("Progress"), std::to_string(c.record));
        EXPECT_EQ(lines("Memo3"), std::vector<std::string>{lineOf(c.record)});
        EXPECT_EQ(lines("Memo1"), expectedBefore(c.record, c.before));
        EXPECT_EQ(lines("Memo2"), expectedAfter(c.record, c.after));
        std::string beeps;
        for (int i = 0; i < c.beeps; ++i)
            beeps += "beep\n";
        EXPECT_EQ(takeTranscript(), beeps);
    }
}

TEST_F(KeysTest, TheRecordLineIsShownByteForByte)
{
    writeParishes(3);
    open();
    press(window(), Qt::Key_Down);
    EXPECT_EQ(lines("Memo3"),
              std::vector<std::string>{"Parish 00000" + std::string(33, ' ') + "  A  LEI   ENG   SK3516   400    300"});
    EXPECT_EQ(lines("Memo1")[6].substr(0, 23), "// Database Version 1.0");
    EXPECT_EQ(lines("Memo1")[5], "... ");
    EXPECT_EQ(lines("Memo2")[1], records::recordLine(testsupport::numberedParishes(3)[2]));
    EXPECT_EQ(lines("Memo2")[2], "...");
}

TEST_F(KeysTest, ShiftStatesAreIgnoredAndOtherKeysMoveNothing)
{
    writeParishes(20);
    open();
    QTest::keyClick(&tarPar(), Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(window().core().currentRecord(), 1);
    QTest::keyClick(&tarPar(), Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(window().core().currentRecord(), 20);
    QTest::keyClick(&tarPar(), Qt::Key_PageUp, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(window().core().currentRecord(), 14);
    takeTranscript();

    QTest::keyClicks(&tarPar(), "ab");
    // (Return in the search box finds, like the Find First button.)
    for (Qt::Key key : {Qt::Key_Left, Qt::Key_Right, Qt::Key_Tab, Qt::Key_Escape})
        press(window(), key);
    EXPECT_EQ(window().core().currentRecord(), 14);
    EXPECT_EQ(takeTranscript(), "");
}

// Some controls pass a key they do not use on to their parents; the move
// still happens once per press.
TEST_F(KeysTest, OnePressMakesOneMoveWhateverHasTheFocus)
{
    writeParishes(80);
    open();
    for (const char* name : {"TarPar", "Radius", "Progress", "Parish1", "Memo1", "Memo3", "FindFirst", "StartRb"}) {
        SCOPED_TRACE(name);
        window().findChild<QWidget*>(name)->setFocus();
        ASSERT_EQ(window().focusWidget(), window().findChild<QWidget*>(name));
        int before = window().core().currentRecord();
        press(window(), Qt::Key_PageDown);
        EXPECT_EQ(window().core().currentRecord(), before + 6);
        press(window(), Qt::Key_Down);
        EXPECT_EQ(window().core().currentRecord(), before + 7);
        press(window(), Qt::Key_Up);
        EXPECT_EQ(window().core().currentRecord(), before + 6);
    }
    EXPECT_EQ(takeTranscript(), "");
}

TEST_F(KeysTest, TheKeyStillReachesTheSearchBox)
{
    writeParishes(20);
    open();
    ASSERT_EQ(window().focusWidget(), &tarPar());

    // End moves to the last record, and the caret to the end of the search text.
    tarPar().setEditText("ash");
    tarPar().lineEdit()->setCursorPosition(0);
    press(window(), Qt::Key_End);
    EXPECT_EQ(window().core().currentRecord(), 20);
    EXPECT_EQ(tarPar().lineEdit()->cursorPosition(), 3);
    EXPECT_EQ(tarPar().currentText(), "ash");

    // Up steps back a record, and through the search history.
    window().dispatch([](app::Parishfm& core) {
        core.view.TarParItems = {"ash", "bath", "cole"};
        core.view.TarParItemIndex = 2;
        core.view.TarPar = "cole";
    });
    ASSERT_EQ(tarPar().count(), 3);
    press(window(), Qt::Key_Up);
    EXPECT_EQ(window().core().currentRecord(), 19);
    EXPECT_EQ(tarPar().currentIndex(), 1);
    EXPECT_EQ(tarPar().currentText(), "bath");

    // The core sees what the search box then shows.
    press(window(), Qt::Key_Up);
    EXPECT_EQ(window().core().view.TarPar, "bath");
    EXPECT_EQ(window().core().view.TarParItemIndex, 1);
}

TEST_F(KeysTest, KeysOnAnEmptyDataFileShowTheErrorAndTheProgramGoesOn)
{
    testsupport::writeBytes(dir_ / "Parishes.Dat", "");
    open();
    EXPECT_EQ(takeTranscript(), "");
    EXPECT_EQ(lines("Memo3"), std::vector<std::string>{""});
    EXPECT_EQ(window().core().recordCount(), 0);

    press(window(), Qt::Key_Home);
    EXPECT_EQ(takeTranscript(), "error \"Read beyond end of file.\"\n");
    press(window(), Qt::Key_End);
    EXPECT_EQ(takeTranscript(), "error \"Read beyond end of file.\"\n");
    press(window(), Qt::Key_Up);
    EXPECT_EQ(takeTranscript(), "beep\n");
    EXPECT_TRUE(window().isVisible());
    EXPECT_EQ(lines("Memo3"), std::vector<std::string>{""});
}

} // namespace
} // namespace uitest
