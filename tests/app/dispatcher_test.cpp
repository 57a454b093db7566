// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/dispatcher.h"
#include "app/messages.h"
#include "app/window.h"
#include "support/fake_person.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

using testsupport::Shown;
using Kind = Shown::Kind;

TEST(Dispatcher, ShowsEveryErrorInTheGeneralErrorBoxAndGoesOn)
{
    struct Case {
        std::function<void()> command;
        std::string shown;
    };
    const Case cases[] = {
        {[] { throw std::runtime_error("Read beyond end of file"); }, "Read beyond end of file."},
        {[] { throw std::runtime_error("Disk full."); }, "Disk full."}, // already ends with one
        {[] { throw std::runtime_error("Error 5 (I/O)"); }, "Error 5 (I/O)"}, // ")" sorts before "."
        {[] { throw std::runtime_error(""); }, ""},
        {[] { throw 42; }, std::string(app::msg::kUnexpectedError)},
    };
    testsupport::FakePerson person;
    app::Dispatcher dispatcher(person);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.shown);
        EXPECT_TRUE(dispatcher.dispatch(c.command));
        EXPECT_EQ(person.take(), (std::vector<Shown>{{Kind::Error, c.shown}}));
        EXPECT_FALSE(dispatcher.busy());
    }
    // A session abort is not an error of the command: it ends the whole session.
    EXPECT_THROW(dispatcher.dispatch([] { throw app::SessionAbort{}; }), app::SessionAbort);
    EXPECT_FALSE(dispatcher.busy());
    EXPECT_TRUE(person.take().empty());
}

TEST(Dispatcher, RunsOneCommandAtATimeAndAPartsErrorEndsThePartOnly)
{
    testsupport::FakePerson person;
    app::Dispatcher dispatcher(person);
    std::vector<std::string> ran;
    dispatcher.dispatch([&] {
        ran.push_back("first");
        EXPECT_FALSE(dispatcher.dispatch([&] { ran.push_back("second"); }));
        dispatcher.runPart([&] { throw std::runtime_error("part failed"); });
        ran.push_back("first goes on");
    });
    EXPECT_EQ(ran, (std::vector<std::string>{"first", "first goes on"}));
    EXPECT_EQ(person.take(), (std::vector<Shown>{{Kind::Error, "part failed."}}));
}

// A window built from a core and its control list alone.
class NoteWindow : public app::Window {
public:
    NoteWindow(app::Ports ports, app::Dispatcher& d) : Window("NoteFm", "Notes", ports, d)
    {
        controls_ = {
            {.name = "Note", .kind = app::ControlKind::Edit, .text = &note, .onExit = [this] { ++exits; }},
            {.name = "Other", .kind = app::ControlKind::Edit, .text = &other},
            {.name = "Close", .kind = app::ControlKind::Button, .onClick = [this] { hide(); }},
        };
    }
    void open() { show(); }
    std::string note, other;
    int exits = 0, shows = 0;

private:
    void onShow() override
    {
        ++shows;
        moveFocus("Note");
    }
};

TEST(Window, FocusMovesRunTheExitHandlerAndShowingFromHiddenRunsOnShowOnce)
{
    testsupport::FakePerson person;
    app::Dispatcher dispatcher(person);
    NoteWindow w(person.ports(), dispatcher);
    w.open();
    w.open(); // already on screen: only to the front
    EXPECT_EQ(w.shows, 1);
    EXPECT_EQ(w.focus(), "Note");
    w.moveFocus("Note");
    EXPECT_EQ(w.exits, 0);
    w.moveFocus("Other");
    w.moveFocus("Note");
    w.leaveControl("Note");
    w.leaveControl("Other");
    EXPECT_EQ(w.exits, 2);
    EXPECT_EQ(w.focus(), "");
    w.control("Close")->onClick();
    EXPECT_FALSE(w.visible());
    EXPECT_EQ(person.take(),
              (std::vector<Shown>{{Kind::Show, "NoteFm"}, {Kind::Show, "NoteFm"}, {Kind::Hide, "NoteFm"}}));
    w.open();
    EXPECT_EQ(w.shows, 2);
}

} // namespace
