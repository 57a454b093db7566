#include "app/messages.h"
#include "app_fixture.h"
#include "records/record_line.h"
#include "support/permissions.h"

#include <gtest/gtest.h>

using app::Parishfm;
using apptest::CoreOnFile;
using driver::Answer;
using testsupport::parish;
using Lines = std::vector<std::string>;

namespace {

const std::vector<records::ParishRecord> kFile = {
    testsupport::versionRecord(),
    parish("Aston", "A", "WAR", "ENG", "SP0888", 408, 288), // 1
    parish("Ashby", "A", "LEI", "ENG", "SK3516", 435, 316), // 2
    parish("Ashby Magna", "A", "LEI", "ENG", "SP5689", 456, 289), // 3
    parish("Stanton", "A", " KE", "ENG", "TQ0000", 500, 100), // 4
    parish("\xc9glise 250", "A", "KEN", "ENG", "TQ0000", 500, 100), // 5
    parish("Bastow", "A", "KEN", "ENG", "TQ0000", 500, 100), // 6
};

const std::string kNoMatch = "message \"No Matching Name Found\"";

struct Search : CoreOnFile {
    Search() : CoreOnFile(kFile) { start(); }
    // Types text into the search box and presses a button, as a person would.
    void press(void (Parishfm::*button)(), const std::string& text)
    {
        core->view.TarPar = text;
        core->run(button);
    }
    std::int32_t at() const { return core->currentRecord(); }
};

} // namespace

TEST(FindFirst, FindsByNameNumberOrNothing)
{
    struct Case {
        std::string text;
        bool anywhere;
        int record;
        bool noMatch;
    };
    const Case cases[] = {
        {"ash", false, 2, false},
        {"  ash  ", false, 2, false},
        {"st", false, 4, false},
        {"st", true, 1, false}, // in the middle of a word
        {"\xe9glise", false, 5, false}, // accented letters fold too
        {"//", false, 0, false}, // the version record is searched like any other
        {"", false, 0, false}, // every name matches an empty key
        {"", true, 0, true},
        {"zzz", false, 0, true},
        {"3", false, 3, false}, // record numbers jump
        {"$3", false, 3, false},
        {"-3", false, 0, false},
        {"999", false, 6, false},
        {"250 ", false, 0, true}, // not a number: searched as a name, which no name starts with
        {"250", true, 6, false}, // the highest record, not a name search
        {std::string(50, 'x'), false, 0, true},
    };
    for (const auto& c : cases) {
        Search s;
        app::setChecked(s.core->view, c.anywhere ? "AnyRb" : "StartRb", true);
        s.press(&Parishfm::FindFirstClick, c.text);
        EXPECT_EQ(s.at(), c.record) << c.text;
        EXPECT_EQ(s.core->view.Memo3, Lines{records::recordLine(kFile[c.record])}) << c.text;
        EXPECT_EQ(s.core->view.Progress, std::to_string(c.record));
        EXPECT_EQ(s.events(), c.noMatch ? Lines{kNoMatch} : Lines{}) << c.text;
        EXPECT_EQ(s.core->view.focus, app::Focus::TarPar);
    }
}

TEST(FindFirst, ALongSearchTextIsCutTo45Characters)
{
    auto file = kFile;
    file.push_back(parish(std::string(45, 'Q'), "A", "LEI", "ENG", "SK0000", 400, 300)); // 7
    CoreOnFile t(file);
    Parishfm& core = t.start();
    core.view.TarPar = std::string(45, 'q') + "extra";
    core.run(&Parishfm::FindFirstClick);
    EXPECT_EQ(core.currentRecord(), 7);
}

TEST(FindNext, ContinuesAfterTheCurrentRecordAndMatchesDigitsAsNames)
{
    Search s;
    s.press(&Parishfm::FindFirstClick, "ash");
    s.core->run(&Parishfm::FindNextClick);
    EXPECT_EQ(s.at(), 3);
    s.core->run(&Parishfm::FindNextClick);
    EXPECT_EQ(s.at(), 0);
    EXPECT_EQ(s.events(), Lines{kNoMatch});
    s.core->run(&Parishfm::FindNextClick); // starts again from record 1
    EXPECT_EQ(s.at(), 2);

    app::setChecked(s.core->view, "AnyRb", true);
    s.press(&Parishfm::FindNextClick, "250");
    EXPECT_EQ(s.at(), 5);

    s.core->run(&Parishfm::GoLast);
    s.events();
    s.press(&Parishfm::FindNextClick, "a");
    EXPECT_EQ(s.at(), 0);
    EXPECT_EQ(s.events(), Lines{kNoMatch});
}

TEST(NextCounty, StepsThroughRecordsWhoseCountyContainsTheText)
{
    Search s;
    s.press(&Parishfm::NextCounty1Click, "ke");
    EXPECT_EQ(s.at(), 4); // " KE", stored with a leading blank
    EXPECT_EQ(s.core->view.focus, app::Focus::Radius);
    s.core->run(&Parishfm::NextCounty1Click);
    EXPECT_EQ(s.at(), 5);
    s.core->run(&Parishfm::NextCounty1Click);
    s.core->run(&Parishfm::NextCounty1Click);
    EXPECT_EQ(s.at(), 0);
    EXPECT_EQ(s.events(), Lines{kNoMatch});
    EXPECT_EQ(s.core->view.focus, app::Focus::TarPar);
    s.press(&Parishfm::NextCounty1Click, "");
    EXPECT_EQ(s.events(), Lines{kNoMatch});
}

TEST(FindFirst, ARecordNumberOnAnEmptyFileReportsTheReadError)
{
    CoreOnFile t(std::vector<records::ParishRecord>{});
    Parishfm& core = t.start();
    core.view.TarPar = "5";
    core.run(&Parishfm::FindFirstClick);
    EXPECT_EQ(t.events(), Lines{"error \"Read beyond end of file.\""});
    EXPECT_EQ(core.currentRecord(), 0);
}

TEST(History, LeavingTheSearchBoxAddsItsTextOnce)
{
    Search s;
    s.press(&Parishfm::FindFirstClick, "ash");
    s.press(&Parishfm::FindFirstClick, "ash");
    s.press(&Parishfm::FindFirstClick, "Ash");
    s.core->leaveControl(app::Focus::TarPar);
    s.core->view.TarPar = "";
    s.core->leaveControl(app::Focus::TarPar); // an empty box adds nothing
    EXPECT_EQ(s.core->view.TarParItems, (Lines{"ash", "Ash"}));
}

TEST(History, MenuCommands)
{
    Search s;
    s.press(&Parishfm::FindFirstClick, "3");
    s.core->run(&Parishfm::AddCurrentRecord1Click);
    s.core->run(&Parishfm::AddCurrentRecord1Click); // no check for an equal item
    s.core->run(&Parishfm::AddCurrentRecordName1Click);
    EXPECT_EQ(s.core->view.TarParItems, (Lines{"3", "3", "3", "Ashby Magna" + std::string(34, ' ')}));

    s.core->view.TarParItemIndex = -1;
    s.core->run(&Parishfm::ClearCurrentItem1Click);
    EXPECT_EQ(s.events(), Lines{"message \"No Item Selected\""});
    s.core->view.TarParItemIndex = 3;
    s.core->run(&Parishfm::ClearCurrentItem1Click);
    EXPECT_EQ(s.core->view.TarParItems, (Lines{"3", "3", "3"}));

    s.answer(Answer::Kind::No);
    s.core->run(&Parishfm::ClearAll1Click);
    EXPECT_EQ(s.core->view.TarParItems.size(), 3u);
    s.answer(Answer::Kind::Yes);
    s.core->view.TarPar = "x";
    s.core->run(&Parishfm::ClearAll1Click);
    EXPECT_TRUE(s.core->view.TarParItems.empty());
    EXPECT_EQ(s.core->view.TarPar, "");
    EXPECT_EQ(s.events(), (Lines{"warning \"Are you sure that you want to CLEAR ALL the History Records?\" -> No",
                                 "warning \"Are you sure that you want to CLEAR ALL the History Records?\" -> Yes"}));
}

TEST(History, AddingAnItemKeepsTheSelectionOnTheSameText)
{
    Search s;
    s.core->view.TarParItems = {"b", "d"};
    s.core->view.TarParItemIndex = 1; // "d"
    s.core->view.TarPar = "a";
    s.core->leaveControl(app::Focus::TarPar);
    EXPECT_EQ(s.core->view.TarParItemIndex, 2);
    s.core->view.TarPar = "e";
    s.core->leaveControl(app::Focus::TarPar);
    EXPECT_EQ(s.core->view.TarParItems[s.core->view.TarParItemIndex], "d");
}

TEST(History, LoadedAtStartAndSavedAtEveryCloseAttempt)
{
    CoreOnFile t(kFile);
    testsupport::writeBytes(t.dir / "HistList.txt", "zed\nash\n250");
    Parishfm& core = t.start();
    EXPECT_EQ(core.view.TarParItems, (Lines{"250", "ash", "zed"}));
    EXPECT_EQ(core.view.TarPar, "");
    core.view.TarPar = "Bastow";
    core.run(&Parishfm::FindFirstClick);
    t.answer(Answer::Kind::Cancel);
    EXPECT_FALSE(core.FormCloseQuery());
    EXPECT_EQ(testsupport::readBytes(t.dir / "HistList.txt"), "250\r\nash\r\nBastow\r\nzed\r\n");
    t.answer(Answer::Kind::Yes);
    core.run(&Parishfm::ClearAll1Click);
    t.answer(Answer::Kind::Cancel);
    core.FormCloseQuery();
    EXPECT_EQ(testsupport::readBytes(t.dir / "HistList.txt"), "");
}

TEST(History, SavedUnderTheExistingSpellingOfItsName)
{
    CoreOnFile t(kFile);
    testsupport::writeBytes(t.dir / "HISTLIST.TXT", "a\r\n");
    Parishfm& core = t.start();
    t.answer(Answer::Kind::Cancel);
    core.FormCloseQuery();
    EXPECT_EQ(testsupport::readBytes(t.dir / "HISTLIST.TXT"), "a\r\n");
    EXPECT_FALSE(std::filesystem::exists(t.dir / "HistList.txt"));
}

TEST(History, AFailedSaveIsReportedAndTheProgramCanStillClose)
{
    CoreOnFile t(kFile);
    Parishfm& core = t.start();
    std::filesystem::create_directory(t.dir / "HistList.txt");
    t.answer(Answer::Kind::OK);
    EXPECT_TRUE(core.FormCloseQuery());
    Lines events = t.events();
    ASSERT_EQ(events.size(), 2u);
    EXPECT_EQ(events[0].rfind("error \"", 0), 0u) << events[0];
    EXPECT_EQ(events[1], "confirm \"Terminate Application?\" -> OK");
}

TEST(History, NeverWrittenWhenTheDataFileCouldNotBeOpened)
{
    CoreOnFile t(kFile);
    std::filesystem::permissions(t.dir.path(), std::filesystem::perms::all, std::filesystem::perm_options::replace);
    testsupport::writeBytes(t.dir / "HistList.txt", "keep\r\n");
    std::filesystem::permissions(t.dir / "HistList.txt", std::filesystem::perms::all,
                                 std::filesystem::perm_options::replace);
    std::filesystem::permissions(t.dir / "Parishes.Dat", std::filesystem::perms::none,
                                 std::filesystem::perm_options::replace);
    EXPECT_TRUE(testsupport::withPermissionsEnforced([&] {
        Parishfm& core = t.start();
        EXPECT_EQ(t.events(), Lines{"error \"File access denied.\""});
        t.answer(Answer::Kind::OK);
        EXPECT_TRUE(core.FormCloseQuery());
    }));
    EXPECT_EQ(testsupport::readBytes(t.dir / "HistList.txt"), "keep\r\n");
}
