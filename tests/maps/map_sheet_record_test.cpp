#include "maps/map_sheet_record.h"

#include <gtest/gtest.h>

using maps::MapSheetRecord;
using maps::SheetField;

namespace {

TEST(MapSheetRecord, StoresSevenLengthPrefixedFieldsIn27Bytes)
{
    MapSheetRecord r;
    r.set(SheetField::SeriesCode, "LR");
    r.set(SheetField::SheetNo, "174");
    r.set(SheetField::WestKm, "440");
    r.set(SheetField::SouthKm, " 200");
    r.set(SheetField::InsetFlag, "N");
    r.set(SheetField::EastKm, "480");
    r.set(SheetField::NorthKm, " 240");
    const std::string expected("\x02LR\x03"
                               "174\x03"
                               "440\x04 200\x01N\x03"
                               "480\x04 240",
                               27);
    EXPECT_EQ(std::string(r.bytes.data(), r.bytes.size()), expected);
    EXPECT_EQ(r.get(SheetField::SouthKm), " 200");
}

TEST(MapSheetRecord, ALengthByteBeyondItsFieldReadsAsTheCapacity)
{
    MapSheetRecord r;
    r.bytes.fill('9');
    struct Case {
        SheetField field;
        std::size_t offset, capacity;
    };
    const Case cases[] = {{SheetField::SeriesCode, 0, 2}, {SheetField::SheetNo, 3, 3},    {SheetField::WestKm, 7, 3},
                          {SheetField::SouthKm, 11, 4},   {SheetField::InsetFlag, 16, 1}, {SheetField::EastKm, 18, 3},
                          {SheetField::NorthKm, 22, 4}};
    for (const auto& c : cases) {
        r.bytes[c.offset] = static_cast<char>(200);
        EXPECT_EQ(r.get(c.field), std::string(c.capacity, '9')) << c.offset;
    }
}

TEST(MapSheetRecord, SetCutsToCapacityAndZeroesTheRest)
{
    MapSheetRecord r;
    r.bytes.fill('x');
    r.set(SheetField::SouthKm, "123456");
    EXPECT_EQ(r.get(SheetField::SouthKm), "1234");
    r.set(SheetField::SouthKm, "7");
    EXPECT_EQ(std::string(r.bytes.data() + 11, 5), std::string("\x01"
                                                               "7\0\0\0",
                                                               5));
    EXPECT_EQ(r.bytes[16], 'x'); // the next field is untouched
    r.set(SheetField::SouthKm, "");
    EXPECT_EQ(r.get(SheetField::SouthKm), "");
}

} // namespace
