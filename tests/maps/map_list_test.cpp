// MapList.Dat records and their conversion from Maplist.txt.
#include "maps/map_list_conversion.h"
#include "support/data_files.h"
#include "text/text_file.h"

#include <gtest/gtest.h>

using maps::MapSheetRecord;
using maps::SheetField;

namespace {

// The seven field texts joined by "|".
std::string fieldsOf(const MapSheetRecord& r)
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

TEST(MapSheetRecord, LengthPrefixedFieldsCutToCapacityAndClampedOnReading)
{
    MapSheetRecord r = testsupport::mapSheet("LR", "174", "440", " 200", "N", "480", " 240");
    EXPECT_EQ(std::string(r.bytes.data(), 27), kSheet174);
    r.bytes.fill('x');
    r.set(SheetField::SouthKm, "123456");
    EXPECT_EQ(r.get(SheetField::SouthKm), "1234");
    r.set(SheetField::SouthKm, "7");
    EXPECT_EQ(std::string(r.bytes.data() + 10, 7), std::string("x\x01"
                                                               "7\0\0\0x",
                                                               7)); // the neighbours untouched
    // A length byte beyond its field reads as the capacity: 2, 3, 3, 4, 1, 3 and 4.
    r.bytes.fill('9');
    for (std::size_t offset : {0u, 3u, 7u, 11u, 16u, 18u, 22u})
        r.bytes[offset] = static_cast<char>(200);
    EXPECT_EQ(fieldsOf(r), "99|999|999|9999|9|999|9999");
}

TEST(MapListConversion, CutsEachLineAtItsColumnsIntoOneRecordInOrder)
{
    const std::pair<const char*, const char*> cases[] = {
        {"LR  14291180N4691220", "LR|  1|429|1180|N|469|1220"},
        // An 18-character line is padded: the northern edge is its two last characters and two blanks.
        {"DI 12 50 100I 9013", "DI| 12| 50| 100|I| 90|13  "},
        {"LR  1  1   1N  2   2 and a remark", "LR|  1|  1|   1|N|  2|   2"}, // after column 20: ignored
        {"", "  |   |   |    | |   |    "},
    };
    for (const auto& [line, fields] : cases)
        EXPECT_EQ(fieldsOf(maps::mapSheetFromLine(line)), fields) << '"' << line << '"';
    std::string bytes = maps::convertMapList("LR174440 200N480 240\r\nLR175480 200N520 240\nLR176520 200N560 240");
    ASSERT_EQ(bytes.size(), 3 * maps::kSheetRecordSize);
    EXPECT_EQ(bytes.substr(0, 27), kSheet174);
    EXPECT_EQ(testsupport::recordsOf<MapSheetRecord>(bytes)[2].get(SheetField::SheetNo), "176");
    EXPECT_EQ(maps::convertMapList(""), "");
    EXPECT_EQ(maps::convertMapList("\r\n").size(), 27u); // an empty line is a blank record

    // The Landranger sheet list.
    auto sheets = testsupport::recordsOf<MapSheetRecord>(maps::convertMapList(text::readFile(SW_SOURCE_MAPLIST)));
    ASSERT_EQ(sheets.size(), 236u);
    EXPECT_EQ(fieldsOf(sheets.front()), "LR|  1|429|1180|N|469|1220");
    EXPECT_EQ(fieldsOf(sheets.back()), "LR|204|172|  14|N|212|  54");
}

} // namespace
