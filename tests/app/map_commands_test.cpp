// The map sheet window and Show Location on real files, with the scripted
// person answering and the driver's browser recording the address.
#include "app_fixture.h"

#include "app/messages.h"
#include "maps/map_sheet_record.h"

#include <gtest/gtest.h>

using apptest::CoreOnFile;
using driver::Answer;
using testsupport::parish;
using testsupport::writeBytes;
using Lines = std::vector<std::string>;

namespace {

std::string sheet(const char* series, const char* number, const char* west, const char* south, const char* inset,
                  const char* east, const char* north)
{
    maps::MapSheetRecord r;
    using maps::SheetField;
    r.set(SheetField::SeriesCode, series);
    r.set(SheetField::SheetNo, number);
    r.set(SheetField::WestKm, west);
    r.set(SheetField::SouthKm, south);
    r.set(SheetField::InsetFlag, inset);
    r.set(SheetField::EastKm, east);
    r.set(SheetField::NorthKm, north);
    return std::string(r.bytes.data(), r.bytes.size());
}

const std::vector<records::ParishRecord> kFile = {
    testsupport::versionRecord(),
    parish("Ashby-de-la-Zouch", "T", "LEI", "ENG", "SK3515", 435, 315),
    parish("Oranmore", "V", "GAL", "IRL", "M3824", 138, 224),
    records::makeRecord({"No Easting", "A", "LEI", "ENG", "SK0000", "", "   316"}),
    records::makeRecord({"Bad Northing", "A", "LEI", "ENG", "SK0000", "435", "31 6"}),
    records::makeRecord({"  Far North  ", "A", "SHE", "SCT", "HU4512", " 450", "1210"}),
    records::makeRecord({"Hex", "A", "LEI", "ENG", "SK0000", "$1B3", "316"}),
};

const std::string kAshbyHeader = "Ashby-de-la-Zouch, T, LEI, ENG, SK3515,    435,    315, will be found on:- ";
const std::string k45(45, ' ');

struct Maps : ::testing::Test {
    CoreOnFile f{kFile};
    app::Parishfm* core = nullptr;
    void SetUp() override
    {
        core = &f.start();
        f.events();
    }
    void goTo(int record)
    {
        while (core->currentRecord() < record)
            core->StepForward();
        f.events();
    }
    void writeMapList(const std::string& bytes) { writeBytes(f.dir / "MapList.Dat", bytes); }
};

std::string question(const std::string& name)
{
    return "confirm \"You are about to ask your internet browser to contact \\\"www.streetmap.co.uk\\\" to display "
           "a map showing the location of "
           + name + "...........              Do You Wish to Continue?\"";
}

} // namespace

TEST_F(Maps, MapDataSelectsTheParishAndListsItsSheets)
{
    writeMapList(sheet("LR", "128", "400", " 300", "N", "440", " 340")
                 + sheet("LR", "129", "440", " 300", "N", "480", " 340"));
    goTo(1);
    core->view.Miles = "12.0";
    f.run(&app::Parishfm::OSMapData1Click);
    EXPECT_EQ(f.events(), Lines{"show Mapfm"});
    EXPECT_EQ(core->view.Parish1, "Ashby-de-la-Zouch, T, LEI, ENG");
    EXPECT_EQ(core->view.Parish1East, "   435");
    EXPECT_EQ(core->view.Miles, ""); // selected as the button does
    const app::MapfmView& map = core->mapFm().view;
    EXPECT_TRUE(map.visible);
    EXPECT_EQ(map.RichEdit1,
              (Lines{kAshbyHeader, " ", "Landranger  Sheet No. 128 and will be 35Km from the Western edge of the Map",
                     k45 + "and 15Km from the Southern Edge of the Map.", " ", "Done"}));

    // Closing and showing again repeats the lookup from the file.
    core->mapFm().run(&app::Mapfm::BitBtn1Click);
    EXPECT_EQ(f.events(), Lines{"hide Mapfm"});
    EXPECT_FALSE(map.visible);
    writeMapList(sheet("LR", "200", "430", " 310", "I", "440", " 320"));
    f.run(&app::Parishfm::OSMapData1Click);
    EXPECT_EQ(map.RichEdit1,
              (Lines{kAshbyHeader, " ", "Landranger  Sheet No. 200 and is shown as an inset.", " ", "Done"}));
}

TEST_F(Maps, MapDataRefusals)
{
    // The version record: nothing selected, nothing shown.
    f.run(&app::Parishfm::OSMapData1Click);
    EXPECT_EQ(f.events(), Lines{"message \"This is the Database Version Number.\""});
    EXPECT_EQ(core->view.Parish1, "");
    EXPECT_FALSE(core->mapFm().view.visible);

    // No map file: the window opens, says so, closes again, empty.
    goTo(1);
    f.run(&app::Parishfm::OSMapData1Click);
    EXPECT_EQ(
        f.events(),
        (Lines{"show Mapfm", "message \"Cannot Find data file \\\"MapList.Dat\\\". Re-Load software\"", "hide Mapfm"}));
    EXPECT_FALSE(core->mapFm().view.visible);
    EXPECT_TRUE(core->mapFm().view.RichEdit1.empty());
}

TEST_F(Maps, MapDataFindsTheFileWhateverItsLetterCase)
{
    writeBytes(f.dir / "MAPLIST.DAT", sheet("LR", "128", "400", " 300", "N", "440", " 340"));
    goTo(1);
    f.run(&app::Parishfm::OSMapData1Click);
    EXPECT_EQ(core->mapFm().view.RichEdit1.size(), 6u);
}

TEST_F(Maps, ADamagedMapFileIsReportedAndTheLinesSoFarStay)
{
    const std::string whole = sheet("LR", "128", "400", " 300", "N", "440", " 340");
    writeMapList(whole + whole.substr(0, 20));
    goTo(1);
    f.run(&app::Parishfm::OSMapData1Click);
    EXPECT_EQ(f.events(),
              (Lines{"show Mapfm", "error \"MapList.Dat is damaged: its last map sheet record is incomplete.\""}));
    const app::MapfmView& map = core->mapFm().view;
    EXPECT_TRUE(map.visible);
    EXPECT_EQ(map.RichEdit1.size(), 5u); // header, " ", the sheet's two lines, " "; no "Done"
}

TEST_F(Maps, PrintGoesToThePrinterWithoutADialog)
{
    writeMapList(sheet("LR", "128", "400", " 300", "I", "440", " 340"));
    goTo(1);
    f.run(&app::Parishfm::OSMapData1Click);
    f.events();
    core->mapFm().run(&app::Mapfm::PrintbnClick);
    EXPECT_EQ(f.events(), (Lines{"print \"Map Nos\"", "print-line \"" + kAshbyHeader + "\"", "print-line \" \"",
                                 "print-line \"Landranger  Sheet No. 128 and is shown as an inset.\"",
                                 "print-line \" \"", "print-line \"Done\"", "print-end"}));
}

TEST_F(Maps, ShowLocationOpensTheStreetMapAfterAsking)
{
    goTo(5);
    f.answer(Answer::Kind::Yes);
    f.run(&app::Parishfm::ShowLocation2Click);
    // The name as stored, blanks included; the numbers trimmed.
    EXPECT_EQ(
        f.events(),
        (Lines{question("  Far North  ") + " -> Yes",
               "browse \"http://www.streetmap.co.uk/streetmap.dll?grid2map?X=450500&Y=1210500&arrow=Y&zoom=5\""}));

    core->setMapHost("maps.example.org:8080");
    f.answer(Answer::Kind::No);
    f.run(&app::Parishfm::ShowLocation2Click);
    auto events = f.events();
    ASSERT_EQ(events.size(), 1u); // No: nothing opened, nothing more said
    EXPECT_NE(events[0].find("contact \\\"maps.example.org:8080\\\" to display"), std::string::npos);
    EXPECT_EQ(core->currentRecord(), 5);
}

TEST_F(Maps, ShowLocationRefusals)
{
    struct Case {
        int record;
        Lines events;
    } cases[] = {
        {0, {"message \"This is the Database Version Number.\""}},
        {2, {"message \"Sorry.  This function is not available for Ireland.\""}},
        {3, {"warning \"Easting is not Numeric.\" -> OK"}},
        {4, {"warning \"Northing is not Numeric.\" -> OK"}},
        // A hexadecimal easting is no grid position: refused, not sent as "$1B3500".
        {6, {"warning \"Easting is not Numeric.\" -> OK"}},
    };
    for (const Case& c : cases) {
        while (core->currentRecord() > c.record)
            core->StepBack();
        goTo(c.record);
        // No answer is queued: a confirmation reached would stop the test.
        f.run(&app::Parishfm::ShowLocation2Click);
        EXPECT_EQ(f.events(), c.events) << c.record;
        EXPECT_EQ(core->currentRecord(), c.record);
    }
}
