#pragma once
// Maplist.txt, the text source of MapList.Dat: one sheet a line, the seven
// fields side by side in columns 1-2, 3-5, 6-8, 9-12, 13, 14-16 and 17-20
// (each column range exactly its field's width); anything after column 20
// is ignored.
#include "maps/map_sheet_record.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace maps {

inline constexpr std::size_t kMapListLineWidth = 20;

// The record of one line: the line padded with blanks to 20 characters and
// cut at the columns, every field stored whole, blanks included, so every
// length byte is the field's width.
MapSheetRecord mapSheetFromLine(std::string_view line);

// The bytes of MapList.Dat for a whole Maplist.txt: one record per line, in
// the order of the lines (lines end at CR LF, CR or LF; a last line without
// an ending still counts).
std::string convertMapList(std::string_view mapListText);

} // namespace maps
