#include "sheet_lookup.h"

#include "maps/map_sheet_record.h"
#include "text/io_error.h"
#include "text/numbers.h"

#include <cstdint>
#include <cstring>

namespace maps {
namespace {

struct Series {
    std::string_view name; // with its trailing blank
    std::string_view code;
};

constexpr Series kLandranger = {"Landranger ", "LR"};
constexpr Series kDiscovery = {"Discovery ", "DI"};

// Irish parishes are on the Discovery series, every other one on the Landranger.
const Series& seriesOf(std::string_view description)
{
    bool irish = description.size() >= 3 && description.substr(description.size() - 3) == "IRL";
    return irish ? kDiscovery : kLandranger;
}

// Widened so that no pair of stored or typed numbers can overflow.
std::int64_t number(std::string_view text)
{
    return text::leadingInteger(text);
}

} // namespace

void lookUpSheets(const ParishPlace& place, std::string_view mapList, std::vector<std::string>& lines)
{
    const Series& series = seriesOf(place.description);
    const std::int64_t e = number(place.easting);
    const std::int64_t n = number(place.northing);

    lines.push_back(std::string(place.description) + ", " + std::string(place.osRef) + ", " + std::string(place.easting)
                    + ", " + std::string(place.northing) + ", will be found on:- ");
    lines.emplace_back(" ");

    const std::size_t whole = mapList.size() / kSheetRecordSize;
    for (std::size_t i = 0; i < whole; ++i) {
        MapSheetRecord sheet;
        std::memcpy(sheet.bytes.data(), mapList.data() + i * kSheetRecordSize, kSheetRecordSize);
        if (sheet.get(SheetField::SeriesCode) != series.code)
            continue;
        const std::int64_t west = number(sheet.get(SheetField::WestKm));
        const std::int64_t south = number(sheet.get(SheetField::SouthKm));
        const std::int64_t east = number(sheet.get(SheetField::EastKm));
        const std::int64_t north = number(sheet.get(SheetField::NorthKm));
        // Inclusive edges: a parish on the line between two sheets is on both.
        if (e < west || e > east || n < south || n > north)
            continue;
        const std::string head = std::string(series.name) + " Sheet No. " + std::string(sheet.get(SheetField::SheetNo));
        // Only an exact "N" is an ordinary sheet; a blank or empty flag is an inset too.
        if (sheet.get(SheetField::InsetFlag) != "N") {
            lines.push_back(head + " and is shown as an inset.");
        } else {
            lines.push_back(head + " and will be " + std::to_string(e - west) + "Km from the Western edge of the Map");
            lines.push_back(std::string(45, ' ') + "and " + std::to_string(n - south)
                            + "Km from the Southern Edge of the Map.");
        }
        lines.emplace_back(" ");
    }
    if (mapList.size() % kSheetRecordSize != 0)
        throw text::IoError(std::string(kIncompleteSheetRecord));
    lines.emplace_back("Done");
}

} // namespace maps
