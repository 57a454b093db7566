// MapList.Dat records and their conversion from Maplist.txt.
#include "maps/map_list_conversion.h"

#include <gtest/gtest.h>

using maps::SheetField;

// The seven field texts joined by "|".
static std::string fieldsOf(const maps::MapSheetRecord& r)
{
    std::string s(r.get(SheetField::SeriesCode));
    for (auto f : {SheetField::SheetNo, SheetField::WestKm, SheetField::SouthKm, SheetField::InsetFlag,
                   SheetField::EastKm, SheetField::NorthKm})
        s += "|" + std::string(r.get(f));
    return s;
}

const std::string kSheet174("\x02LR\x03"
                            "174\x03"
                            "440\x04 200\x01N\x03"
                            "480\x04 240",
                            27);

// Fields are written, cut and read back through the same length-prefixed code as the
// parish records' (tested there); the field layout is pinned by the bytes of sheet 174.
TEST(MapListConversion, CutsEachLineAtItsColumnsIntoOneRecordInOrder)
{
    const std::pair<const char*, const char*> cases[] = {
        // An 18-character line is padded: the northern edge is its two last characters and two blanks.
        {"DI 12 50 100I 9013", "DI| 12| 50| 100|I| 90|13  "},
        {"LR  1  1   1N  2   2 and a remark", "LR|  1|  1|   1|N|  2|   2"}, // after column 20: ignored
        {"", "  |   |   |    | |   |    "},
    };
    for (const auto& [line, fields] : cases)
        EXPECT_EQ(fieldsOf(maps::mapSheetFromLine(line)), fields) << '"' << line << '"';
    // Whole sheet lists are converted byte for byte by the builder of the shipped data.
    EXPECT_EQ(maps::convertMapList("LR174440 200N480 240\r\n"), kSheet174);
    EXPECT_EQ(maps::convertMapList(""), "");
    EXPECT_EQ(maps::convertMapList("\r\n").size(), 27u); // an empty line is a blank record
}
