#include "sample_places.h"

#include "grid_square.h"
#include "text/columns.h"
#include "text/cp1252.h"
#include "text/text_file.h"

#include <algorithm>
#include <set>

namespace tools {
namespace {

constexpr std::size_t kColumns = 8;
// Whole km that still fit the six characters of the easting and northing fields.
constexpr int kMaxKm = 9999;

std::vector<std::string> splitCommas(std::string_view line)
{
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (;;) {
        std::size_t comma = line.find(',', start);
        fields.emplace_back(line.substr(start, comma - start));
        if (comma == std::string_view::npos)
            return fields;
        start = comma + 1;
    }
}

bool allOf(std::string_view s, bool (*pred)(char))
{
    return !s.empty() && std::all_of(s.begin(), s.end(), pred);
}
bool isUpper(char c) { return c >= 'A' && c <= 'Z'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

class RowReader {
public:
    explicit RowReader(int lineNumber) : line_(lineNumber) {}

    [[noreturn]] void fail(const std::string& why) const
    {
        throw BadPlaceRow("line " + std::to_string(line_) + ": " + why);
    }

    int km(const std::string& text, const char* what) const
    {
        if (!allOf(text, isDigit) || text.size() > 4)
            fail(std::string(what) + " \"" + text + "\" is not a whole number of km from 0 to " +
                 std::to_string(kMaxKm));
        return std::stoi(text);
    }

    Place place(const std::vector<std::string>& f) const
    {
        if (f.size() != kColumns)
            fail("expected " + std::to_string(kColumns) + " fields, found " + std::to_string(f.size()));
        Place p;
        p.name = text::utf8ToCp1252(f[0]);
        p.type = f[1];
        p.county = f[2];
        p.country = f[3];
        p.osRef = f[4];
        p.easting = km(f[5], "easting");
        p.northing = km(f[6], "northing");

        if (p.name.empty() || p.name.size() > 45)
            fail("the name must have 1 to 45 characters");
        if (p.name.front() == ' ' || p.name.back() == ' ')
            fail("the name has leading or trailing blanks");
        if (p.name.front() == '~' || p.name.starts_with(records::kVersionPrefix))
            fail("the name \"" + p.name + "\" would read as a marked or version record");
        if (p.type.size() != 1)
            fail("the type must be one character");
        if (!allOf(p.county, isUpper) || p.county.size() > 3)
            fail("the county \"" + p.county + "\" is not a code of up to 3 capital letters");
        if (!allOf(p.country, isUpper) || p.country.size() != 3)
            fail("the country \"" + p.country + "\" is not a code of 3 capital letters");
        std::string expected = gridReference(p.easting, p.northing, p.country == "IRL");
        if (expected.empty())
            fail("the position lies outside the national grid");
        if (p.osRef != expected)
            fail("the grid reference \"" + p.osRef + "\" disagrees with the easting and northing (" +
                 expected + ")");
        if (f[7].empty())
            fail("the source is missing");
        return p;
    }

private:
    int line_;
};

} // namespace

std::vector<Place> readPlaces(std::string_view csv)
{
    std::vector<Place> places;
    std::set<std::string> names;
    int lineNumber = 0;
    for (const std::string& line : text::splitLines(csv)) {
        ++lineNumber;
        if (line.empty() || line.front() == '#')
            continue;
        RowReader row(lineNumber);
        Place p = row.place(splitCommas(line));
        if (!names.insert(p.name).second)
            row.fail("the name \"" + p.name + "\" appears twice");
        places.push_back(std::move(p));
    }
    return places;
}

records::ParishRecord storedRecord(const Place& p)
{
    return records::makeRecord({
        text::padRight(p.name, 45),
        p.type,
        text::padLeft(p.county, 3),
        text::padLeft(p.country, 3),
        text::padLeft(p.osRef, 6),
        text::padLeft(std::to_string(p.easting), 6),
        text::padLeft(std::to_string(p.northing), 6),
    });
}

records::ParishRecord versionRecord(std::string_view version)
{
    std::string name = std::string(records::kVersionPrefix) + " " + std::string(version);
    return records::makeRecord({text::padRight(name, 45), " ", "   ", "   ", "      ", "     0", "     0"});
}

std::vector<records::ParishRecord> sampleRecords(std::string_view version, const std::vector<Place>& places)
{
    std::vector<records::ParishRecord> parishes;
    for (const Place& p : places)
        parishes.push_back(storedRecord(p));
    std::stable_sort(parishes.begin(), parishes.end(), [](const auto& a, const auto& b) {
        return a.name() < b.name(); // std::string_view compares bytes as unsigned char
    });
    std::vector<records::ParishRecord> out{versionRecord(version)};
    out.insert(out.end(), parishes.begin(), parishes.end());
    return out;
}

std::string fileBytes(const std::vector<records::ParishRecord>& records)
{
    std::string bytes;
    for (const auto& r : records)
        bytes.append(r.bytes.data(), r.bytes.size());
    return bytes;
}

} // namespace tools
