#pragma once
// The main window's menu bar, in order. A top-level entry (parent empty) is
// either a drop-down menu or, when nothing names it as parent, a command on
// the bar itself. Captions carry accelerator markup ("&" marks the key, "&&"
// shows one "&"); "-" is a separator.
#include <array>
#include <string_view>

namespace app {

struct MenuEntry {
    std::string_view name;
    std::string_view caption;
    std::string_view parent;
    std::string_view hint = {};
    bool visible = true;
};

inline constexpr auto kMainMenu = std::to_array<MenuEntry>({
    {"File1", "Fil&e", ""},
    {"AllowAmendments1", "&Amend Current Record", "File1"},
    {"AddaNewParish1", "&Insert a Blank Record", "File1"},
    {"N3", "-", "File1"},
    {"DeleteAParish1", "&Mark a Parish for Deletion", "File1"},
    {"UnMarkaParish1", "UnMark a Parish ", "File1"},
    {"RemoveDeletedParishes1", "&Delete Marked Parishes", "File1"},
    {"N4", "-", "File1"},
    {"BackUptoADrive1", "&BackUp to 'A' Drive", "File1"},
    {"RestorfromtheADrive1", "&Restore from the 'A' Drive", "File1"},
    {"N1", "-", "File1"},
    {"AppendaCSVFile1", "Import and  Append a &CSV File", "File1"},
    {"N5", "-", "File1"},
    {"NewSort1", "&Sort File on Parish Name", "File1"},
    {"N2", "-", "File1"},
    {"Exit1", "&Exit", "File1"},
    {"Reports1", "Rep&orts", ""},
    {"SelectedCounty1", "Selected &County", "Reports1", "Enter the Parish Code as the Search string"},
    {"GroupofParishes1", "Parishes within  Requested &Radius", "Reports1"},
    {"ParishesmatchingSearchString1", "Parishes matching Search &String", "Reports1"},
    {"N7", "-", "Reports1"},
    {"PrintPreview2", "Report &Preview", "Reports1"},
    {"Codes1", "Coun&ty Codes", ""},
    {"MapNo", "&Maps", "", "Details of OS Landranger Map "},
    {"OSMapData1", "OS &Map Data", "MapNo"},
    {"ShowLocation2", "Show &Location", "MapNo"},
    {"Plot1", "&Location Plot", ""},
    {"SearchHistory1", "&Search History", ""},
    {"ClearAll1", "Clear &All", "SearchHistory1"},
    {"ClearCurrentItem1", "Clear Current &Item", "SearchHistory1"},
    {"AddCurrentRecord1", "Add Current Record Number", "SearchHistory1"},
    {"AddCurrentRecordName1", "Add Current Record Name", "SearchHistory1"},
    {"About1", "&About", ""},
    {"ReadMe1", "&Read Me", ""},
    // The maintainer's menu: hidden and disabled; nothing shows it.
    {"MyTools1", "My Tools", "", {}, false},
    {"CreateTestFile1", "Create Test File", "MyTools1"},
    {"ConvertData1", "Convert Data", "MyTools1"},
    {"ConvertMapData1", "Convert Map Data", "MyTools1"},
    {"DisplayMemory1", "Display Memory", "MyTools1"},
    {"MapCheck", "Map check", "MyTools1"},
    {"Batch1", "Batch", "MyTools1"},
    {"ShowMyText", "Show My Text", "MyTools1"},
    {"VerifyMapList1", "Verify Map List", "MyTools1"},
});

} // namespace app
