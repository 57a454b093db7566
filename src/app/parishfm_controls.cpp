// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's controls and menu bar, in order, with the boxes they show
// and the commands they run. Captions carry accelerator markup.
#include "app/parishfm.h"

namespace app {

void Parishfm::describeControls()
{
    using K = ControlKind;
    ParishfmView& v = c_.view;
    auto box = [](std::string_view name, std::string* text) {
        return Control{.name = name, .kind = K::ReadOnlyEdit, .text = text};
    };
    auto label = [](std::string_view name, std::string_view caption) {
        return Control{.name = name, .kind = K::Label, .caption = caption};
    };
    controls_ = {
        label("Label1", "Steeplewatcher"),
        label("Label20", "A parish finding aid"),
        label("Label2", "Enter Search String here. "),
        {.name = "TarPar",
         .kind = K::ComboBox,
         .caption = "Enter Search String Here",
         .hint = "Enter your search string here.",
         .text = &v.TarPar,
         .lines = &v.TarParItems,
         .itemIndex = &v.TarParItemIndex,
         .onExit = [this] { search_.searchBoxExit(); }},
        {.name = "FindFirst",
         .kind = K::Button,
         .caption = "&Find First",
         .hint = "Search for Parish from Start of File",
         .onClick = [this] { search_.findFirst(); }},
        {.name = "FindNext",
         .kind = K::Button,
         .caption = "Find  &Next",
         .hint = "Search for Parish from Current Record",
         .onClick = [this] { search_.findNext(); }},
        {.name = "NextCounty1",
         .kind = K::Button,
         .caption = "Ne&xt County",
         .hint = "Goto Next County in File",
         .onClick = [this] { search_.nextCounty(); }},
        {.name = "GroupBox1", .kind = K::Group, .caption = "Search"},
        {.name = "AnyRb",
         .kind = K::RadioButton,
         .caption = "Anywhere in parish name",
         .parent = "GroupBox1",
         .checked = &v.AnyRb},
        {.name = "StartRb",
         .kind = K::RadioButton,
         .caption = " From start of parish name",
         .parent = "GroupBox1",
         .checked = &v.StartRb},
        label("Label21", "Parish Name                               Type County Country OSRef  East/Northings"),
        {.name = "Memo1", .kind = K::TextView, .lines = &v.Memo1},
        {.name = "Memo3", .kind = K::TextView, .lines = &v.Memo3},
        {.name = "Memo2", .kind = K::TextView, .lines = &v.Memo2},
        {.name = "Select1stParish",
         .kind = K::Button,
         .caption = "Select  &1st Parish",
         .hint = "Select the Current Record as 1st Parish.",
         .onClick = [this] { distance_.selectFirstParish(); }},
        box("Parish1", &v.Parish1),
        box("OsRef1", &v.OsRef1),
        box("Parish1East", &v.Parish1East),
        box("Parish1North", &v.Parish1North),
        {.name = "Select2ndParish",
         .kind = K::Button,
         .caption = "Select &2nd Parish",
         .hint = "Select the Current Record as 2nd Parish.",
         .onClick = [this] { distance_.selectSecondParish(); }},
        box("Parish2", &v.Parish2),
        box("OsRef2", &v.OsRef2),
        box("Parish2East", &v.Parish2East),
        box("Parish2North", &v.Parish2North),
        label("Label17", "The Distance between Parishes 1 && 2 is"),
        box("Miles", &v.Miles),
        label("Label18", "in Miles and"),
        box("Klm", &v.Klm),
        label("Label19", "in Kilometres"),
        {.name = "CalDistDir",
         .kind = K::Button,
         .caption = "&Calculate Distance && Direction",
         .hint = "between 1st & 2nd Parishes.",
         .onClick = [this] { distance_.distanceAndDirection(); }},
        label("Label16", "The Direction is"),
        box("DegreesDisplay", &v.DegreesDisplay),
        label("Label15", "Degrees"),
        box("Direction", &v.Direction),
        label("Label10", "Radius around Parish 1"),
        {.name = "Radius", .kind = K::Edit, .text = &v.Radius},
        label("Label11", "Current Record Number"),
        box("Progress", &v.Progress),
        label("Label12", "Hits"),
        box("Hits", &v.Hits),
        {.name = "ParishGroup",
         .kind = K::Button,
         .caption = "&Parishes within Radius",
         .hint = "of 1st Parish.",
         .onClick = [this] { distance_.parishesWithinRadius(); }},
    };
}

void Parishfm::describeMenu()
{
    using K = ControlKind;
    auto menu = [](std::string_view name, std::string_view caption, std::string_view hint = {}) {
        return Control{.name = name, .kind = K::Menu, .caption = caption, .hint = hint};
    };
    auto separator = [](std::string_view name, std::string_view parent) {
        return Control{.name = name, .kind = K::Separator, .caption = "-", .parent = parent};
    };
    // An item whose command is not built yet has no handler and stays unavailable.
    auto item = [](std::string_view name, std::string_view caption, std::string_view parent,
                   std::function<void()> onClick = {}, std::string_view hint = {}) {
        return Control{.name = name,
                       .kind = K::MenuItem,
                       .caption = caption,
                       .hint = hint,
                       .parent = parent,
                       .onClick = std::move(onClick)};
    };
    const Control entries[] = {
        menu("File1", "Fil&e"),
        item("AllowAmendments1", "&Amend Current Record", "File1", [this] { maintenance_.amend(); }),
        item("AddaNewParish1", "&Insert a Blank Record", "File1", [this] { maintenance_.insertBlank(); }),
        separator("N3", "File1"),
        item("DeleteAParish1", "&Mark a Parish for Deletion", "File1", [this] { maintenance_.markForDeletion(); }),
        item("UnMarkaParish1", "UnMark a Parish ", "File1", [this] { maintenance_.unmark(); }),
        item("RemoveDeletedParishes1", "&Delete Marked Parishes", "File1", [this] { maintenance_.removeMarked(); }),
        separator("N4", "File1"),
        item("BackUptoADrive1", "&BackUp to 'A' Drive", "File1", [this] { backUps_.backUp(); }),
        item("RestorfromtheADrive1", "&Restore from the 'A' Drive", "File1", [this] { backUps_.restore(); }),
        separator("N1", "File1"),
        item("AppendaCSVFile1", "Import and  Append a &CSV File", "File1", [this] { import_.importCsv(); }),
        separator("N5", "File1"),
        item("NewSort1", "&Sort File on Parish Name", "File1", [this] { maintenance_.sortFile(); }),
        separator("N2", "File1"),
        item("Exit1", "&Exit", "File1", [this] { exit(); }),
        menu("Reports1", "Rep&orts"),
        item(
            "SelectedCounty1", "Selected &County", "Reports1", [this] { reports_.listCounty(); },
            "Enter the Parish Code as the Search string"),
        item("GroupofParishes1", "Parishes within  Requested &Radius", "Reports1",
             [this] { distance_.parishesWithinRadius(); }),
        item("ParishesmatchingSearchString1", "Parishes matching Search &String", "Reports1",
             [this] { reports_.listMatching(); }),
        separator("N7", "Reports1"),
        item("PrintPreview2", "Report &Preview", "Reports1", [this] { reports_.preview(); }),
        item("Codes1", "Coun&ty Codes", {}),
        menu("MapNo", "&Maps", "Details of OS Landranger Map "),
        item("OSMapData1", "OS &Map Data", "MapNo", [this] { maps_.showMapSheets(); }),
        item("ShowLocation2", "Show &Location", "MapNo", [this] { maps_.showLocation(); }),
        item("Plot1", "&Location Plot", {}, [this] { maps_.locationPlot(); }),
        menu("SearchHistory1", "&Search History"),
        item("ClearAll1", "Clear &All", "SearchHistory1", [this] { search_.clearAll(); }),
        item("ClearCurrentItem1", "Clear Current &Item", "SearchHistory1", [this] { search_.clearCurrentItem(); }),
        item("AddCurrentRecord1", "Add Current Record Number", "SearchHistory1",
             [this] { search_.addCurrentRecordNumber(); }),
        item("AddCurrentRecordName1", "Add Current Record Name", "SearchHistory1",
             [this] { search_.addCurrentRecordName(); }),
        item("About1", "&About", {}),
        item("ReadMe1", "&Read Me", {}),
        // The maintainer's menu: hidden and disabled unless the program was started for the maintainer.
        Control{.name = "MyTools1", .kind = K::Menu, .caption = "My Tools", .visible = c_.maintainer},
        item("CreateTestFile1", "Create Test File", "MyTools1", [this] { tools_.createTestFile(); }),
        item("ConvertData1", "Convert Data", "MyTools1", [this] { tools_.convertData(); }),
        item("ConvertMapData1", "Convert Map Data", "MyTools1", [this] { mapTools_.convertMapData(); }),
        item("DisplayMemory1", "Display Memory", "MyTools1", [this] { tools_.displayMemory(); }),
        item("MapCheck", "Map check", "MyTools1", [this] { mapTools_.mapCheck(); }),
        item("Batch1", "Batch", "MyTools1", [this] { tools_.batch(); }),
        item("ShowMyText", "Show My Text", "MyTools1"),
        item("VerifyMapList1", "Verify Map List", "MyTools1", [this] { mapTools_.verifyMapList(); }),
    };
    controls_.insert(controls_.end(), std::begin(entries), std::end(entries));
}

} // namespace app
