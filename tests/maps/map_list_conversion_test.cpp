#include "maps/map_list_conversion.h"
#include "text/text_file.h"

#include <gtest/gtest.h>

using maps::MapSheetRecord;
using maps::SheetField;

namespace {

struct Fields {
    std::string series, sheet, west, south, flag, east, north;
};

Fields fieldsOf(const MapSheetRecord& r)
{
    return {std::string(r.get(SheetField::SeriesCode)), std::string(r.get(SheetField::SheetNo)),
            std::string(r.get(SheetField::WestKm)),     std::string(r.get(SheetField::SouthKm)),
            std::string(r.get(SheetField::InsetFlag)),  std::string(r.get(SheetField::EastKm)),
            std::string(r.get(SheetField::NorthKm))};
}

bool operator==(const Fields& a, const Fields& b)
{
    return a.series == b.series && a.sheet == b.sheet && a.west == b.west && a.south == b.south && a.flag == b.flag
           && a.east == b.east && a.north == b.north;
}

std::ostream& operator<<(std::ostream& os, const Fields& f)
{
    return os << '[' << f.series << '|' << f.sheet << '|' << f.west << '|' << f.south << '|' << f.flag << '|' << f.east
              << '|' << f.north << ']';
}

TEST(MapSheetFromLine, CutsTheColumnsAndStoresEveryFieldWhole)
{
    struct Case {
        const char* line;
        Fields fields;
    };
    const Case cases[] = {
        {"LR174440 200N480 240", {"LR", "174", "440", " 200", "N", "480", " 240"}},
        {"LR  14291180N4691220", {"LR", "  1", "429", "1180", "N", "469", "1220"}},
        // An 18-character line is padded: the northern edge is its two last characters and two blanks.
        {"DI 12 50 100I 9013", {"DI", " 12", " 50", " 100", "I", " 90", "13  "}},
        // Characters after column 20 are ignored.
        {"LR  1  1   1N  2   2 and a remark", {"LR", "  1", "  1", "   1", "N", "  2", "   2"}},
        {"", {"  ", "   ", "   ", "    ", " ", "   ", "    "}},
    };
    for (const auto& c : cases) {
        MapSheetRecord r = maps::mapSheetFromLine(c.line);
        EXPECT_EQ(fieldsOf(r), c.fields) << '"' << c.line << '"';
        for (std::size_t i = 0; i < maps::kSheetLayout.size(); ++i) // every length byte is the width
            EXPECT_EQ(r.bytes[maps::kSheetLayout[i].offset], static_cast<char>(maps::kSheetLayout[i].capacity));
    }
}

TEST(ConvertMapList, WritesOneRecordPerLineInOrder)
{
    std::string bytes = maps::convertMapList("LR174440 200N480 240\r\nLR175480 200N520 240\nLR176520 200N560 240");
    ASSERT_EQ(bytes.size(), 3 * maps::kSheetRecordSize);
    EXPECT_EQ(bytes.substr(0, 27), std::string("\x02LR\x03"
                                               "174\x03"
                                               "440\x04 200\x01N\x03"
                                               "480\x04 240",
                                               27));
    MapSheetRecord last;
    bytes.copy(last.bytes.data(), 27, 54);
    EXPECT_EQ(last.get(SheetField::SheetNo), "176");
    EXPECT_EQ(maps::convertMapList(""), "");
    EXPECT_EQ(maps::convertMapList("\r\n").size(), 27u); // an empty line is a blank record
}

TEST(ConvertMapList, ConvertsTheLandrangerSheetList)
{
    std::string source = text::readFile(SW_SOURCE_MAPLIST);
    std::string bytes = maps::convertMapList(source);
    ASSERT_EQ(bytes.size(), text::splitLines(source).size() * maps::kSheetRecordSize);
    ASSERT_EQ(bytes.size(), 236 * maps::kSheetRecordSize);
    MapSheetRecord first, last;
    bytes.copy(first.bytes.data(), 27, 0);
    bytes.copy(last.bytes.data(), 27, bytes.size() - 27);
    EXPECT_EQ(fieldsOf(first), (Fields{"LR", "  1", "429", "1180", "N", "469", "1220"}));
    EXPECT_EQ(fieldsOf(last), (Fields{"LR", "204", "172", "  14", "N", "212", "  54"}));
}

} // namespace
