// The one way every command runs: the edited boxes go to the core, errors end
// the command only, and what the core changed shows in the widgets.
#include "window_fixture.h"

#include "ui/qt_text.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <stdexcept>

namespace uitest {
namespace {

TEST_F(WindowTest, TheCoreSeesWhatTheUserTypedAndChose)
{
    writeParishes(3);
    open();
    QTest::keyClicks(&tarPar(), "Rh");
    QTest::sendKeyEvent(QTest::Click, &tarPar(), Qt::Key_Ocircumflex, QString::fromUtf8("ô"), Qt::NoModifier);
    QTest::keyClicks(&tarPar(), "s");
    QTest::keyClicks(window().findChild<QLineEdit*>("Radius"), "10");
    QTest::mouseClick(window().findChild<QRadioButton*>("AnyRb"), Qt::LeftButton);

    app::ParishfmView seen;
    window().dispatch([&seen](app::Parishfm& core) { seen = core.view; });
    EXPECT_EQ(seen.TarPar, "Rh\xF4s"); // cp1252, as stored
    EXPECT_EQ(seen.Radius, "10");
    EXPECT_TRUE(seen.AnyRb);
    EXPECT_FALSE(seen.StartRb);
    EXPECT_EQ(seen.focus, app::Focus::SearchMode);
}

TEST_F(WindowTest, WhatTheCoreChangesShowsInTheWidgets)
{
    writeParishes(3);
    open();
    window().dispatch([](app::Parishfm& core) {
        core.view.Parish1 = "Rh\xF4s";
        core.view.Hits = "12";
        core.view.Memo2 = {"one", "two"};
        core.view.StartRb = false;
        core.view.AnyRb = true;
        core.view.focus = app::Focus::Radius;
    });
    EXPECT_EQ(window().findChild<QLineEdit*>("Parish1")->text(), QString::fromUtf8("Rhôs"));
    EXPECT_EQ(text("Hits"), "12");
    EXPECT_EQ(lines("Memo2"), (std::vector<std::string>{"one", "two"}));
    EXPECT_TRUE(window().findChild<QRadioButton*>("AnyRb")->isChecked());
    EXPECT_FALSE(window().findChild<QRadioButton*>("StartRb")->isChecked());
    EXPECT_EQ(window().focusWidget(), window().findChild<QWidget*>("Radius"));
}

TEST_F(WindowTest, AnErrorEndsTheCommandOnlyAndKeepsWhatItChanged)
{
    writeParishes(3);
    open();
    struct ErrorCase {
        const char* what;
        std::function<void()> fail;
        const char* shown;
    };
    const ErrorCase cases[] = {
        {"a run-time error", [] { throw std::runtime_error("Disk full"); }, "error \"Disk full.\"\n"},
        {"a text ending in a full stop", [] { throw std::runtime_error("Disk full."); }, "error \"Disk full.\"\n"},
        {"anything else thrown", [] { throw 42; }, "error \"The command ended with an unexpected error.\"\n"},
    };
    int n = 0;
    for (const ErrorCase& c : cases) {
        SCOPED_TRACE(c.what);
        std::string hits = std::to_string(++n);
        window().dispatch([&](app::Parishfm& core) {
            core.view.Hits = hits;
            c.fail();
            core.view.Hits = "never";
        });
        EXPECT_EQ(takeTranscript(), c.shown);
        EXPECT_EQ(text("Hits"), hits);
    }
    // And the window goes on taking commands.
    press(window(), Qt::Key_Down);
    EXPECT_EQ(window().core().currentRecord(), 1);
}

// Leaving the search box, by Tab or by clicking a button, runs its exit
// handler: the text joins the history before the button's command runs.
TEST_F(WindowTest, LeavingTheSearchBoxKeepsItsTextInTheHistory)
{
    writeParishes(10);
    open();
    QApplication::setActiveWindow(&window());
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window()));

    QTest::keyClicks(&tarPar(), "parish 00004");
    QTest::mouseClick(window().findChild<QPushButton*>("FindFirst"), Qt::LeftButton);
    EXPECT_EQ(window().core().currentRecord(), 5);
    EXPECT_EQ(text("Progress"), "5");
    ASSERT_EQ(tarPar().count(), 1);
    EXPECT_EQ(tarPar().itemText(0), "parish 00004");
    EXPECT_EQ(QApplication::focusWidget(), &tarPar()); // the search puts the focus back
    EXPECT_EQ(takeTranscript(), "");

    tarPar().setEditText("Parish 00002");
    QTest::keyClick(&tarPar(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), window().findChild<QWidget*>("Radius"));
    ASSERT_EQ(tarPar().count(), 2);
    EXPECT_EQ(tarPar().itemText(0), "Parish 00002");
    EXPECT_EQ(tarPar().itemText(1), "parish 00004");
    EXPECT_EQ(tarPar().currentText(), "Parish 00002");

    // Leaving another box, or moving inside the search box, adds nothing.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(tarPar().count(), 2);
}

TEST_F(WindowTest, OneCommandAtATime)
{
    writeParishes(3);
    open();
    bool innerRan = false;
    window().dispatch([&](app::Parishfm&) { window().dispatch([&](app::Parishfm&) { innerRan = true; }); });
    EXPECT_FALSE(innerRan);
    window().dispatch([&](app::Parishfm&) { innerRan = true; });
    EXPECT_TRUE(innerRan);
}

// A person who looks at the Progress box each time the core has it repainted.
class Watcher : public driver::ScriptPorts {
public:
    using ScriptPorts::ScriptPorts;
    QLineEdit* progress = nullptr;
    std::vector<QString> seen;
    void repaint(std::string_view control) override
    {
        if (control == "Progress" && progress)
            seen.push_back(progress->text());
    }
};

TEST(RepaintTest, ABoxRepaintedDuringACommandShowsItsTextAtOnce)
{
    testsupport::TempDir dir;
    testsupport::writeBytes(dir / "Parishes.Dat", std::string(20 * 77, '\0'));
    std::ostringstream transcript;
    Watcher person(transcript);
    ui::TParishfm window(dir.path(), person, person, person);
    person.progress = window.findChild<QLineEdit*>("Progress");

    window.dispatch([](app::Parishfm& core) {
        core.PageForward();
        core.view.Progress = "after";
    });
    EXPECT_EQ(person.seen, std::vector<QString>{"6"});
    EXPECT_EQ(person.progress->text(), "after");
}

} // namespace
} // namespace uitest
