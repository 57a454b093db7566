// The main window as the user first meets it: caption, controls, menus,
// tabbing, and the ways it starts and ends.
#include "window_fixture.h"

#include "app/main_menu.h"
#include "records/record_line.h"
#include "ui/parishfm_controls.h"
#include "ui/qt_text.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFontMetrics>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <filesystem>
#include <ostream>

namespace uitest {
namespace {

using driver::Answer;

TEST_F(WindowTest, StartsOnTheFirstRecordWithAnEmptySearchBox)
{
    auto file = writeParishes(10);
    open();
    EXPECT_EQ(window().windowTitle(), "Parishfm");
    EXPECT_EQ(window().objectName(), "Parishfm");
    EXPECT_EQ(tarPar().currentText(), ""); // the design text never shows
    EXPECT_EQ(tarPar().count(), 0);
    EXPECT_EQ(text("Progress"), "0");
    EXPECT_EQ(lines("Memo3"), std::vector<std::string>{records::recordLine(file[0])});
    EXPECT_TRUE(window().findChild<QRadioButton*>("StartRb")->isChecked());
    EXPECT_FALSE(window().findChild<QRadioButton*>("AnyRb")->isChecked());
    EXPECT_EQ(window().core().recordCount(), 11);
    EXPECT_EQ(takeTranscript(), "");
}

TEST_F(WindowTest, WithoutTheDataFileSaysSoOnceAndEnds)
{
    window_ = std::make_unique<ui::TParishfm>(dir_.path(), person_, person_, person_);
    EXPECT_EQ(takeTranscript(), "message \"Cannot Find data file \\\"Parishes.Dat\\\". Application Will Close\"\n");
    EXPECT_TRUE(window().core().ended());
    EXPECT_TRUE(person_.quitRequested());
    EXPECT_FALSE(window().isVisible());
    // Nothing was written, the search history among it.
    EXPECT_TRUE(std::filesystem::is_empty(dir_.path()));
}

// The menu bar read back from the widgets, flattened as the menu table is.
struct ShownEntry {
    std::string name, caption, parent;
    bool visible, enabled;
    friend bool operator==(const ShownEntry&, const ShownEntry&) = default;
    friend std::ostream& operator<<(std::ostream& out, const ShownEntry& e)
    {
        return out << e.parent << "/" << e.name << " \"" << e.caption << "\"" << (e.visible ? "" : " hidden")
                   << (e.enabled ? "" : " disabled");
    }
};

std::vector<ShownEntry> menuAsShown(QMenuBar& bar)
{
    std::vector<ShownEntry> out;
    for (QAction* top : bar.actions()) {
        if (QMenu* menu = top->menu()) {
            std::string menuName = menu->objectName().toStdString();
            out.push_back({menuName, top->text().toStdString(), "", top->isVisible(), top->isEnabled()});
            for (QAction* item : menu->actions())
                out.push_back({item->objectName().toStdString(), item->isSeparator() ? "-" : item->text().toStdString(),
                               menuName, item->isVisible(), item->isEnabled()});
        } else {
            out.push_back(
                {top->objectName().toStdString(), top->text().toStdString(), "", top->isVisible(), top->isEnabled()});
        }
    }
    return out;
}

TEST_F(WindowTest, MenuBarHoldsEveryEntryInOrderAndOnlyBuiltCommandsAreEnabled)
{
    writeParishes(3);
    open();
    std::vector<ShownEntry> expected;
    for (const app::MenuEntry& e : app::kMainMenu) {
        bool isMenu = e.parent.empty()
                      && (e.name == "File1" || e.name == "Reports1" || e.name == "MapNo" || e.name == "SearchHistory1"
                          || e.name == "MyTools1");
        bool enabled = isMenu ? e.name != "MyTools1" : e.caption == "-" || app::findHandler(e.name).has_value();
        expected.push_back(
            {std::string(e.name), std::string(e.caption), std::string(e.parent), e.name != "MyTools1", enabled});
    }
    EXPECT_EQ(menuAsShown(*window().menuBar()), expected);
    EXPECT_TRUE(window().findChild<QAction*>("Exit1")->isEnabled());

    // Captions as written, blanks included.
    EXPECT_EQ(window().findChild<QAction*>("AppendaCSVFile1")->text(), "Import and  Append a &CSV File");
    EXPECT_EQ(window().findChild<QAction*>("SelectedCounty1")->toolTip(), "Enter the Parish Code as the Search string");
}

TEST_F(WindowTest, ButtonsCarryTheirCaptionsAndHintsAndWaitForTheirCommands)
{
    writeParishes(3);
    open();
    struct ButtonCase {
        const char* name;
        const char* caption;
        const char* hint;
    };
    const ButtonCase cases[] = {
        {"FindFirst", "&Find First", "Search for Parish from Start of File"},
        {"FindNext", "Find  &Next", "Search for Parish from Current Record"},
        {"NextCounty1", "Ne&xt County", "Goto Next County in File"},
        {"Select1stParish", "Select  &1st Parish", "Select the Current Record as 1st Parish."},
        {"Select2ndParish", "Select &2nd Parish", "Select the Current Record as 2nd Parish."},
        {"CalDistDir", "&Calculate Distance && Direction", "between 1st & 2nd Parishes."},
        {"ParishGroup", "&Parishes within Radius", "of 1st Parish."},
    };
    for (const ButtonCase& c : cases) {
        SCOPED_TRACE(c.name);
        auto* button = window().findChild<QPushButton*>(c.name);
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->text(), c.caption);
        EXPECT_EQ(button->toolTip(), c.hint);
        EXPECT_EQ(button->toolTipDuration(), 5000);
        EXPECT_EQ(button->isEnabled(), app::findHandler(c.name).has_value());
    }
    EXPECT_EQ(tarPar().toolTip(), "Enter your search string here.");
    EXPECT_EQ(window().findChild<QLabel*>("Label17")->text(), "The Distance between Parishes 1 & 2 is");
}

TEST_F(WindowTest, RecordLinesAndLabelsFitWithoutOverlapping)
{
    auto file = writeParishes(3);
    open();
    // A record line with every field at its full width is 81 characters.
    const std::string widest(81, 'W');
    for (const char* name : {"Memo1", "Memo2", "Memo3"}) {
        auto* view = window().findChild<QPlainTextEdit*>(name);
        int needed = QFontMetrics(view->font()).horizontalAdvance(ui::toQt(widest))
                     + 2 * static_cast<int>(view->document()->documentMargin());
        EXPECT_LE(needed, view->viewport()->width()) << name;
        EXPECT_TRUE(QFontInfo(view->font()).fixedPitch()) << name;
    }
    auto* memo1 = window().findChild<QPlainTextEdit*>("Memo1");
    EXPECT_LE(7 * QFontMetrics(memo1->font()).lineSpacing(), memo1->viewport()->height());

    // Controls may touch by a pixel, as drawn, but no label runs into another control.
    QWidget* client = window().centralWidget();
    const auto controls = client->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
    for (QWidget* label : controls) {
        if (!qobject_cast<QLabel*>(label))
            continue;
        EXPECT_GE(label->width(), label->sizeHint().width()) << label->objectName().toStdString();
        for (QWidget* other : controls) {
            if (other == label)
                continue;
            QRect overlap = label->geometry().intersected(other->geometry());
            EXPECT_TRUE(overlap.isEmpty() || overlap.width() <= 1 || overlap.height() <= 1)
                << label->objectName().toStdString() << " overlaps " << other->objectName().toStdString();
        }
    }
}

TEST_F(WindowTest, OnlyTheSearchBoxRadiusAndSelectedModeAreTabStops)
{
    writeParishes(3);
    open();
    QApplication::setActiveWindow(&window());
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window()));
    auto* radius = window().findChild<QWidget*>("Radius");
    auto* anyRb = window().findChild<QRadioButton*>("AnyRb");
    auto* startRb = window().findChild<QRadioButton*>("StartRb");

    ASSERT_EQ(QApplication::focusWidget(), &tarPar());
    const std::vector<QWidget*> cycle = {radius, startRb, &tarPar(), radius};
    for (QWidget* next : cycle) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), next) << QApplication::focusWidget()->objectName().toStdString();
    }
    anyRb->setChecked(true);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), anyRb);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), &tarPar());
}

enum class Closing { CloseBox, ExitItem };

class ClosingTest : public WindowTest {
protected:
    void attempt(Closing how)
    {
        if (how == Closing::CloseBox)
            window().close();
        else
            window().menuBar()->findChild<QAction*>("Exit1")->trigger();
    }

    void asksFirstAndCancelKeepsTheWindow(Closing how)
    {
        writeParishes(3);
        open();
        answer(Answer::Kind::Cancel);
        attempt(how);
        EXPECT_EQ(takeTranscript(), "confirm \"Terminate Application?\" -> Cancel\n");
        EXPECT_TRUE(window().isVisible());
        EXPECT_FALSE(window().core().ended());
        EXPECT_FALSE(person_.quitRequested());

        // The window still works after a cancelled close.
        press(window(), Qt::Key_Down);
        EXPECT_EQ(window().core().currentRecord(), 1);

        answer(Answer::Kind::OK);
        attempt(how);
        EXPECT_EQ(takeTranscript(), "confirm \"Terminate Application?\" -> OK\n");
        EXPECT_FALSE(window().isVisible());
        EXPECT_TRUE(window().core().ended());
        EXPECT_TRUE(person_.quitRequested());
        EXPECT_TRUE(person_.answers().empty());
    }
};

TEST_F(ClosingTest, CloseBoxAsksFirst)
{
    asksFirstAndCancelKeepsTheWindow(Closing::CloseBox);
}
TEST_F(ClosingTest, ExitItemAsksFirst)
{
    asksFirstAndCancelKeepsTheWindow(Closing::ExitItem);
}

} // namespace
} // namespace uitest
