#include "map_sheet_record.h"

namespace maps {

void MapSheetRecord::set(SheetField f, std::string_view text)
{
    const records::FieldLayout& l = kSheetLayout[static_cast<std::size_t>(f)];
    records::writeLengthPrefixed(bytes.data() + l.offset, l.capacity, text);
}

} // namespace maps
