// The list reports, the report preview and the report viewer, on real files
// with the scripted person answering.
#include "app_fixture.h"

#include "app/messages.h"
#include "reports/list_report.h"
#include "text/text_file.h"

#include <gtest/gtest.h>

using apptest::CoreOnFile;
using driver::Answer;
using testsupport::parish;
using testsupport::readBytes;
using testsupport::writeBytes;
using Lines = std::vector<std::string>;

namespace {

const std::vector<records::ParishRecord> kFile = {
    testsupport::versionRecord(),
    parish("Ashby", "A", "LEI", "ENG", "SK3516", 435, 316),
    parish("Barwell", "A", "LEI", "ENG", "SP4496", 444, 296),
    parish("Ashwell", "A", "RUT", "ENG", "SK8613", 486, 313),
};

const std::string kNoReport = "message \"Cannot Find data file \\\"ParList.txt\\\". Re-Run Parishes within a Radius\"";

struct Reports : ::testing::Test {
    CoreOnFile f{kFile};
    app::Parishfm* core = nullptr;
    void SetUp() override
    {
        core = &f.start();
        f.events();
    }
    std::string report() { return readBytes(f.dir / "ParList.txt"); }
};

} // namespace

TEST_F(Reports, CountyListAsksWithTheUpperCasedCountyWritesTheReportAndShowsIt)
{
    core->view.TarPar = "lei";
    core->StepForward(); // the cursor away from 0
    core->StepForward();
    f.events();
    f.answer(Answer::Kind::Yes);
    f.run(&app::Parishfm::SelectedCounty1Click);
    EXPECT_EQ(f.events(),
              (Lines{"confirm \"Are you sure that you want to CREATE A County Parish List for \\\"LEI\\\"?\" -> Yes",
                     "show ParListFm"}));
    std::string expected =
        " \r\n      County of LEI - List of Parishes.\r\n      ====================================\r\n \r\n"
        + reports::listLine(kFile[1]) + "\r\n" + reports::listLine(kFile[2])
        + "\r\n \r\n \r\n      2 Records Listed for  LEI County\r\n";
    EXPECT_EQ(report(), expected);
    EXPECT_EQ(core->currentRecord(), 0);
    EXPECT_EQ(core->view.Progress, "Done");
    EXPECT_EQ(core->view.Hits, "2");
    EXPECT_EQ(core->view.Memo3[0].substr(0, 19), "// Database Version");
    EXPECT_EQ(core->view.TarPar, "lei"); // the search text stays
    EXPECT_EQ(core->view.focus, app::Focus::Radius);
    const app::ParListFmView& viewer = core->parListFm().view;
    EXPECT_TRUE(viewer.visible);
    ASSERT_EQ(viewer.RichEdit1.size(), 9u);
    EXPECT_EQ(viewer.RichEdit1[1], "      County of LEI - List of Parishes.");
}

TEST_F(Reports, RefusalsWriteNothing)
{
    struct Case {
        void (app::Parishfm::*handler)();
        const char* search;
        Answer::Kind answer;
        Lines events;
    } cases[] = {
        {&app::Parishfm::SelectedCounty1Click,
         "lei",
         Answer::Kind::No,
         {"confirm \"Are you sure that you want to CREATE A County Parish List for \\\"LEI\\\"?\" -> No"}},
        // The question comes before the length check.
        {&app::Parishfm::SelectedCounty1Click,
         "le",
         Answer::Kind::Yes,
         {"confirm \"Are you sure that you want to CREATE A County Parish List for \\\"LE\\\"?\" -> Yes",
          "message \"Target County MUST be exactly 3 Characters long\""}},
        {&app::Parishfm::SelectedCounty1Click,
         " lei",
         Answer::Kind::Yes,
         {"confirm \"Are you sure that you want to CREATE A County Parish List for \\\" LEI\\\"?\" -> Yes",
          "message \"Target County MUST be exactly 3 Characters long\""}},
        {&app::Parishfm::ParishesmatchingSearchString1Click,
         "  ash ",
         Answer::Kind::No,
         {"confirm \" Create a  Parish List matching the Search String - \\\"ash\\\"?\" -> No"}},
    };
    for (const Case& c : cases) {
        core->view.TarPar = c.search;
        f.answer(c.answer);
        f.run(c.handler);
        EXPECT_EQ(f.events(), c.events) << c.search;
        EXPECT_FALSE(std::filesystem::exists(f.dir / "ParList.txt")) << c.search;
        EXPECT_FALSE(core->parListFm().view.visible);
    }
}

TEST_F(Reports, SearchListFindsAnyCaseAndShowsTheTextWithoutOuterBlanks)
{
    core->view.TarPar = "  ASH ";
    f.answer(Answer::Kind::Yes);
    f.run(&app::Parishfm::ParishesmatchingSearchString1Click);
    Lines lines = text::splitLines(report());
    ASSERT_EQ(lines.size(), 9u);
    EXPECT_EQ(lines[1], "      Search String \"ASH\" - List of Parishes.");
    EXPECT_EQ(lines[8], "      2 Records Listed matching Search String \"ASH\" ");
    EXPECT_EQ(core->view.Hits, "2");
}

TEST_F(Reports, AFailedWriteLeavesThePreviousReportWhole)
{
    writeBytes(f.dir / "ParList.txt", "old report\r\n");
    std::filesystem::create_directory(f.dir / "ParList.txt.tmp~"); // the new report cannot be written
    core->view.TarPar = "***";
    f.answer(Answer::Kind::Yes);
    f.run(&app::Parishfm::SelectedCounty1Click);
    Lines events = f.events();
    ASSERT_EQ(events.size(), 2u);
    EXPECT_EQ(events[1].substr(0, 6), "error ");
    EXPECT_EQ(report(), "old report\r\n");
    EXPECT_FALSE(core->parListFm().view.visible);
}

TEST(ReportsOnEmptyFile, ListEndsCleanlyWithoutReadingRecordZero)
{
    CoreOnFile f{std::vector<records::ParishRecord>{}};
    app::Parishfm& core = f.start();
    f.events();
    core.view.TarPar = "***";
    f.answer(Answer::Kind::Yes);
    f.run(&app::Parishfm::SelectedCounty1Click);
    EXPECT_EQ(f.events()[1], "show ParListFm");
    EXPECT_EQ(core.view.Hits, "0");
    EXPECT_EQ(core.view.Progress, "Done");
    EXPECT_EQ(core.currentRecord(), 0);
    EXPECT_EQ(text::splitLines(readBytes(f.dir / "ParList.txt")).back(), "      0 Records Listed for  *** County");
}

TEST_F(Reports, PreviewShowsAnExistingReportFoundWithoutRegardToCase)
{
    f.run(&app::Parishfm::PrintPreview2Click);
    EXPECT_EQ(f.events(), (Lines{kNoReport}));
    writeBytes(f.dir / "PARLIST.TXT", "a\r\nb\r\n");
    f.run(&app::Parishfm::PrintPreview2Click);
    EXPECT_EQ(f.events(), (Lines{"show ParListFm"}));
    EXPECT_EQ(core->parListFm().view.RichEdit1, (Lines{"a", "b"}));
}

TEST_F(Reports, ViewerReloadsOnlyWhenShownFromHidden)
{
    app::ParListFm& viewer = core->parListFm();
    writeBytes(f.dir / "ParList.txt", "first\r\n");
    viewer.show();
    writeBytes(f.dir / "ParList.txt", "second\r\n");
    viewer.show(); // on screen already: to the front, the old text stays
    EXPECT_EQ(viewer.view.RichEdit1, (Lines{"first"}));
    viewer.run(&app::ParListFm::CloseClick);
    viewer.show();
    EXPECT_EQ(viewer.view.RichEdit1, (Lines{"second"}));
    EXPECT_EQ(f.events(), (Lines{"show ParListFm", "show ParListFm", "hide ParListFm", "show ParListFm"}));

    // Missing at show: the message, and the window keeps its text.
    viewer.run(&app::ParListFm::CloseClick);
    std::filesystem::remove(f.dir / "ParList.txt");
    viewer.show();
    EXPECT_EQ(f.events(), (Lines{"hide ParListFm", "show ParListFm", kNoReport}));
    EXPECT_TRUE(viewer.view.visible);
    EXPECT_EQ(viewer.view.RichEdit1, (Lines{"second"}));
}

TEST_F(Reports, CsvConversionWritesTheFileAndItsFailures)
{
    app::ParListFm& viewer = core->parListFm();
    viewer.show();
    f.events();
    // Missing report: message, the window hides, ParList.csv untouched.
    writeBytes(f.dir / "ParList.csv", "kept");
    viewer.run(&app::ParListFm::CSVOUTPUTClick);
    EXPECT_EQ(f.events(), (Lines{kNoReport, "hide ParListFm"}));
    EXPECT_FALSE(viewer.view.visible);
    EXPECT_EQ(readBytes(f.dir / "ParList.csv"), "kept");

    // A report of no known kind: the message, and an empty ParList.csv.
    writeBytes(f.dir / "ParList.txt", "short\r\n");
    viewer.run(&app::ParListFm::CSVOUTPUTClick);
    EXPECT_EQ(f.events(), (Lines{"message \"Sorry, could NOT determine the type of Report\""}));
    EXPECT_TRUE(std::filesystem::exists(f.dir / "ParList.csv"));
    EXPECT_EQ(readBytes(f.dir / "ParList.csv"), "");

    // A list report: the file's text, not the edited view.
    core->view.TarPar = "RUT";
    f.answer(Answer::Kind::Yes);
    f.run(&app::Parishfm::SelectedCounty1Click);
    viewer.view.RichEdit1[4] = "edited on screen";
    viewer.run(&app::ParListFm::CSVOUTPUTClick);
    Lines csv = text::splitLines(readBytes(f.dir / "ParList.csv"));
    ASSERT_EQ(csv.size(), 4u); // N + 3
    EXPECT_EQ(csv[0], "\"Ashwell" + std::string(38, ' ') + "\",\"A\",\"RUT\",\"ENG\",\"SK8613\",\"486\",\" 313\",");
    EXPECT_EQ(csv[3].substr(0, 2), "\"1");
}

TEST_F(Reports, PrintingSendsTheShownTextOrNothingWhenCancelled)
{
    app::ParListFm& viewer = core->parListFm();
    viewer.view.RichEdit1 = {"edited", ""};
    f.answer(Answer::Kind::Cancel);
    viewer.run(&app::ParListFm::PrintClick);
    EXPECT_EQ(f.events(), (Lines{"print-dialog -> Cancel"}));
    f.answer(Answer::Kind::OK);
    viewer.run(&app::ParListFm::PrintClick);
    EXPECT_EQ(f.events(), (Lines{"print-dialog -> OK", "print \"Steeplewatcher\"", "print-line \"edited\"",
                                 "print-line \"\"", "print-end"}));
}

TEST_F(Reports, HandlersAreRegistered)
{
    for (const char* name : {"SelectedCounty1", "ParishesmatchingSearchString1", "PrintPreview2"})
        EXPECT_TRUE(app::findHandler(name).has_value()) << name;
    for (const char* name : {"Print", "CSVOUTPUT", "Close"})
        EXPECT_TRUE(app::findParListHandler(name).has_value()) << name;
    EXPECT_FALSE(app::findParListHandler("ShowPlot").has_value()); // the plot is not built yet
}
