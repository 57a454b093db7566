// SPDX-License-Identifier: GPL-3.0-or-later
#include "csv_record.h"

#include "text/columns.h"
#include "text/numbers.h"

#include <string>

namespace records {
namespace {

constexpr std::string_view kUnplaced = "   000";

std::string_view unquoted(std::string_view field)
{
    if (field.starts_with('"'))
        field.remove_prefix(1);
    if (field.ends_with('"'))
        field.remove_suffix(1);
    return field;
}

// The first width characters, blanks in front of a shorter text.
std::string rightAligned(std::string_view text, std::size_t width)
{
    return text::padLeft(text.substr(0, width), width);
}

// An easting or northing: a text longer than digits loses its last character
// and keeps the digits before it; blanks in front make it six wide.
std::string gridField(std::string_view text, std::size_t digits)
{
    if (text.size() > digits)
        text = text.substr(text.size() - 1 - digits, digits);
    return text::isGridNumber(text) ? rightAligned(text, 6) : std::string(kUnplaced);
}

} // namespace

std::optional<ParishRecord> recordFromCsvLine(std::string_view line)
{
    std::string_view name;
    std::size_t pos = 0;
    if (line.starts_with('"')) {
        const std::size_t close = line.find('"', 1);
        if (close == std::string_view::npos)
            return std::nullopt;
        name = line.substr(1, close - 1);
        pos = close + 2; // past the closing quote and the comma taken to follow it
    } else {
        const std::size_t comma = line.find(',');
        if (comma == std::string_view::npos)
            return std::nullopt;
        name = line.substr(0, comma);
        pos = comma + 1;
    }
    std::string_view middle[5]; // type, county, country, OSRef, easting
    for (std::string_view& field : middle) {
        const std::size_t comma = pos <= line.size() ? line.find(',', pos) : std::string_view::npos;
        if (comma == std::string_view::npos)
            return std::nullopt;
        field = unquoted(line.substr(pos, comma - pos));
        pos = comma + 1;
    }
    std::string_view northing = line.substr(pos, 10);
    if (northing.ends_with(','))
        northing.remove_suffix(1);
    northing = unquoted(northing);

    if (name.ends_with('"'))
        name.remove_suffix(1);
    name = name.substr(0, 45);
    const std::string_view type = middle[0].empty() ? std::string_view(" ") : middle[0].substr(0, 1);
    return makeRecord({text::padRight(name, 45), std::string(type), rightAligned(middle[1], 3),
                       rightAligned(middle[2], 3), rightAligned(middle[3], 6), gridField(middle[4], 3),
                       gridField(northing, 4)});
}

} // namespace records
