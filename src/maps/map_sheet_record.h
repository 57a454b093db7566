#pragma once
// MapSheetRecord: one 1:50 000 map sheet of MapList.Dat, 27 bytes of seven
// length-prefixed text fields (no binary numbers), the same kind of field as
// the parish record's.
#include "records/parish_record.h"

#include <array>
#include <cstddef>
#include <string_view>

namespace maps {

enum class SheetField { SeriesCode, SheetNo, WestKm, SouthKm, InsetFlag, EastKm, NorthKm };

inline constexpr std::size_t kSheetRecordSize = 27;
// Offsets and capacities in file order: "LR"/"DI", sheet number, the western,
// southern, eastern and northern edges in whole km, and "N" for an ordinary sheet.
inline constexpr std::array<records::FieldLayout, 7> kSheetLayout = {{
    {0, 2},
    {3, 3},
    {7, 3},
    {11, 4},
    {16, 1},
    {18, 3},
    {22, 4},
}};

class MapSheetRecord {
public:
    std::array<char, kSheetRecordSize> bytes{};

    // The field's text; a length byte beyond the capacity reads as the capacity.
    std::string_view get(SheetField f) const
    {
        const records::FieldLayout& l = kSheetLayout[static_cast<std::size_t>(f)];
        return records::readLengthPrefixed(bytes.data() + l.offset, l.capacity);
    }
    // Stores text cut to the capacity, with the rest of the field zeroed.
    void set(SheetField f, std::string_view text);

    friend bool operator==(const MapSheetRecord&, const MapSheetRecord&) = default;
};

} // namespace maps
