#include "map_list_conversion.h"

#include "text/columns.h"
#include "text/text_file.h"

namespace maps {

MapSheetRecord mapSheetFromLine(std::string_view line)
{
    std::string padded = text::padRight(line, kMapListLineWidth);
    MapSheetRecord record;
    std::size_t column = 1;
    for (std::size_t i = 0; i < kSheetLayout.size(); ++i) {
        std::size_t width = kSheetLayout[i].capacity;
        record.set(static_cast<SheetField>(i), text::columns(padded, column, width));
        column += width;
    }
    return record;
}

std::string convertMapList(std::string_view mapListText)
{
    std::string bytes;
    for (const std::string& line : text::splitLines(mapListText)) {
        MapSheetRecord record = mapSheetFromLine(line);
        bytes.append(record.bytes.data(), record.bytes.size());
    }
    return bytes;
}

} // namespace maps
