#pragma once
// The map sheet lookup: on which 1:50 000 sheets of MapList.Dat a parish
// lies, and how far it is from each sheet's western and southern edges.
#include <string>
#include <string_view>
#include <vector>

namespace maps {

// The 1st parish as the main window's selection boxes hold it.
struct ParishPlace {
    std::string_view description; // ends with the country code
    std::string_view osRef;
    std::string_view easting;
    std::string_view northing;
};

// The text of the error that ends a lookup on a file whose last record is cut short.
inline constexpr std::string_view kIncompleteSheetRecord =
    "MapList.Dat is damaged: its last map sheet record is incomplete";

// Appends the lookup's lines for the sheets in mapList (the bytes of
// MapList.Dat) to lines: the header, " ", the lines of each sheet in file
// order, and "Done". An incomplete last record throws text::IoError after
// the whole records were examined; the lines added so far stay.
void lookUpSheets(const ParishPlace& place, std::string_view mapList, std::vector<std::string>& lines);

} // namespace maps
