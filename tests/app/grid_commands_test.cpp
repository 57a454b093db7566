#include "app/messages.h"
#include "app_fixture.h"
#include "text/text_file.h"

#include <gtest/gtest.h>

using app::Parishfm;
using apptest::CoreOnFile;
using testsupport::parish;
using Lines = std::vector<std::string>;

namespace {

const std::vector<records::ParishRecord> kFile = {
    testsupport::versionRecord(),
    parish("Origin", "A", "LEI", "ENG", "SK0000", 400, 300), // 1
    parish("Corner", "B", "LEI", "ENG", "SK3040", 430, 340), // 2
    parish("Galway", "T", "GAL", "IRL", "M2925", 129, 225), // 3
    parish("Near", "V", "LEI", "WLS", "SK0001", 403, 296), // 4
};

struct Grid : CoreOnFile {
    Grid() : CoreOnFile(kFile) { start(); }
    void select(int record, void (Parishfm::*button)())
    {
        core->view.TarPar = std::to_string(record);
        core->run(&Parishfm::FindFirstClick);
        core->run(button);
    }
    app::ParishfmView& v() { return core->view; }
};

} // namespace

TEST(Selection, FillsTheParishBoxesFromTheCurrentRecord)
{
    Grid g;
    g.v().Miles = "x";
    g.v().Direction = "y";
    g.select(2, &Parishfm::Select1stParishClick);
    EXPECT_EQ(g.v().Parish1, "Corner, B, LEI, ENG");
    EXPECT_EQ(g.v().OsRef1, "SK3040");
    EXPECT_EQ(g.v().Parish1East, "   430");
    EXPECT_EQ(g.v().Parish1North, "   340");
    EXPECT_EQ(g.v().Miles, "");
    EXPECT_EQ(g.v().Direction, "");
    EXPECT_EQ(g.v().focus, app::Focus::TarPar);
    g.select(0, &Parishfm::Select2ndParishClick); // the version record may be selected
    EXPECT_EQ(g.v().Parish2, "// Database Version 1.0,  ,    ,    ");
    EXPECT_EQ(g.v().Parish2East, "     0");
}

TEST(Distance, WorkedExampleSamePlaceAndRefusals)
{
    struct Case {
        int first, second;
        Lines boxes; // Miles, Klm, DegreesDisplay, Direction
        Lines events;
    };
    const std::string irish = "message \"Not Able to calculate distances between Mainland and Irish Parishes\"";
    const Case cases[] = {
        {1, 2, {"    31.1", "    50.0", " 37", "North East"}, {}},
        {2, 1, {"    31.1", "    50.0", "217", "South West"}, {}},
        {1, 1, {"     0.0", "     0.0", "  0", "Both References are the Same"}, {}},
        {1, 4, {"     3.1", "     5.0", "143", "South East"}, {}}, // English and Welsh compare
        {1, 3, {"", "", "", ""}, {irish}},
        {3, 1, {"", "", "", ""}, {irish}},
    };
    for (const auto& c : cases) {
        Grid g;
        g.select(c.first, &Parishfm::Select1stParishClick);
        g.select(c.second, &Parishfm::Select2ndParishClick);
        g.events();
        g.core->run(&Parishfm::CalDistDirClick);
        EXPECT_EQ((Lines{g.v().Miles, g.v().Klm, g.v().DegreesDisplay, g.v().Direction}), c.boxes)
            << c.first << "->" << c.second;
        EXPECT_EQ(g.events(), c.events);
    }
}

TEST(Distance, InvalidPositionsAreReportedInReadingOrder)
{
    Grid g;
    g.core->run(&Parishfm::CalDistDirClick);
    EXPECT_EQ(g.events(), Lines{"warning \"1st Parish Contains Invalid or No Data.\" -> OK"});
    g.select(1, &Parishfm::Select1stParishClick);
    g.events();
    g.core->run(&Parishfm::CalDistDirClick);
    EXPECT_EQ(g.events(), Lines{"warning \"2nd Parish Contains Invalid or No Data.\" -> OK"});
    g.select(2, &Parishfm::Select2ndParishClick);
    g.v().Parish1East = "400 "; // a trailing blank is not a number
    g.events();
    g.core->run(&Parishfm::CalDistDirClick);
    EXPECT_EQ(g.events(), Lines{"warning \"1st Parish Contains Invalid or No Data.\" -> OK"});
    // The Irish check comes first, even when the numbers are invalid.
    g.v().Parish2 = "Galway, T, GAL, IRL";
    g.core->run(&Parishfm::CalDistDirClick);
    EXPECT_EQ(g.events().at(0).substr(0, 20), "message \"Not Able to");
}

TEST(RadiusSearch, RefusesABadRadiusOrFirstParishWithoutTouchingFiles)
{
    struct Case {
        std::string radius;
        bool selectFirst;
        std::string event;
        app::Focus focus;
    };
    const Case cases[] = {
        {"", true, "warning \"Radius NOT Numeric: 1\" -> OK", app::Focus::Radius},
        {"5 ", true, "warning \"Radius NOT Numeric: 2\" -> OK", app::Focus::Radius},
        {"12a", true, "warning \"Radius NOT Numeric: 3\" -> OK", app::Focus::Radius},
        {"10", false, "warning \"1st Parish Contains Invalid or No Data.\" -> OK", app::Focus::TarPar},
    };
    for (const auto& c : cases) {
        Grid g;
        testsupport::writeBytes(g.dir / "ParList.txt", "old");
        if (c.selectFirst)
            g.select(1, &Parishfm::Select1stParishClick);
        g.events();
        g.v().Radius = c.radius;
        g.core->run(&Parishfm::ParishGroupClick);
        EXPECT_EQ(g.events(), Lines{c.event}) << c.radius;
        EXPECT_EQ(g.v().focus, c.focus);
        EXPECT_EQ(testsupport::readBytes(g.dir / "ParList.txt"), "old");
        EXPECT_FALSE(std::filesystem::exists(g.dir / "PlotList.txt"));
    }
}

TEST(RadiusSearch, WritesBothFilesAndRestoresTheCurrentRecord)
{
    Grid g;
    g.select(1, &Parishfm::Select1stParishClick);
    g.core->run(&Parishfm::StepForward); // record 2 on show
    g.v().Radius = "4";
    g.events();
    g.core->run(&Parishfm::GroupofParishes1Click);
    EXPECT_EQ(g.events(), Lines{"show ParListFm"});
    EXPECT_EQ(g.core->currentRecord(), 2);
    EXPECT_EQ(g.core->recordBuffer(), kFile[2]);
    EXPECT_EQ(g.v().Progress, "Done");
    EXPECT_EQ(g.v().Hits, "2");
    EXPECT_EQ(g.v().focus, app::Focus::TarPar);
    Lines report = text::splitLines(testsupport::readBytes(g.dir / "ParList.txt"));
    ASSERT_EQ(report.size(), 11u);
    EXPECT_EQ(report[4], "    4 Mile Radius of Origin, A, LEI, ENG.");
    EXPECT_EQ(report[10], "   Near" + std::string(42, ' ') + "V LEI WLS SK0001   3.1 South East");
    EXPECT_EQ(testsupport::readBytes(g.dir / "PlotList.txt"),
              "Origin            400   300LEI\r\nOrigin            400   300LEI\r\nNear              403   296LEI\r\n");
}

TEST(RadiusSearch, AReadFailureIsReportedOnceAndLeavesTheOldFilesAndCursor)
{
    auto file = kFile;
    CoreOnFile t(file);
    std::string bytes = testsupport::readBytes(t.dir / "Parishes.Dat") + "partial";
    testsupport::writeBytes(t.dir / "Parishes.Dat", bytes);
    testsupport::writeBytes(t.dir / "ParList.txt", "old report");
    Parishfm& core = t.start();
    core.view.TarPar = "1";
    core.run(&Parishfm::FindFirstClick);
    core.run(&Parishfm::Select1stParishClick);
    core.view.Radius = "10";
    t.events();
    core.run(&Parishfm::ParishGroupClick);
    EXPECT_EQ(t.events(), Lines{"error \"Read beyond end of file.\""});
    EXPECT_EQ(core.currentRecord(), 1);
    EXPECT_EQ(testsupport::readBytes(t.dir / "ParList.txt"), "old report");
    EXPECT_FALSE(std::filesystem::exists(t.dir / "PlotList.txt"));
}
