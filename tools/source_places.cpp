#include "source_places.h"

#include "csv_table.h"
#include "grid_square.h"
#include "historic_counties.h"
#include "place_names.h"
#include "records/parish_record.h"

#include <algorithm>

namespace tools {
namespace {

constexpr std::size_t kNameCapacity = records::kLayout[static_cast<std::size_t>(records::Field::Name)].capacity;

struct BadRowReason {
    std::string text;
};

bool allDigits(std::string_view s)
{
    return !s.empty() && std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// The checks every row of either list goes through; each throws BadRowReason.
StoredName checkedName(std::string_view utf8)
{
    StoredName name = storedName(utf8);
    if (!name.ok)
        throw BadRowReason{"the name has a character cp1252 lacks"};
    if (name.text.empty())
        throw BadRowReason{"no name"};
    if (name.text.size() > kNameCapacity)
        throw BadRowReason{"the name is longer than 45 characters"};
    if (name.text.front() == '~')
        throw BadRowReason{"the name begins with \"~\", the mark of a record to be removed"};
    if (name.text.starts_with(records::kVersionPrefix))
        throw BadRowReason{"the name begins like the version record"};
    return name;
}

long checkedWhole(std::string_view text, std::string_view what)
{
    if (!allDigits(text) || text.size() > 9)
        throw BadRowReason{std::string(what) + " \"" + std::string(text) + "\" is not a whole number"};
    return std::stol(std::string(text));
}

// Easting and northing in whole km, on the lettered squares of the grid and
// agreeing with the source's own grid reference. 0 would read as an unplaced record.
void checkPosition(SourcePlace& p, std::string_view east, std::string_view north, std::string_view gridRef)
{
    if (east.empty() || north.empty())
        throw BadRowReason{"no easting or northing"};
    p.easting = static_cast<int>(std::min(checkedWhole(east, "easting"), 99999L));
    p.northing = static_cast<int>(std::min(checkedWhole(north, "northing"), 99999L));
    std::string expected = gridReference(p.easting, p.northing, p.irishGrid);
    if (expected.empty() || p.easting == 0 || p.northing == 0)
        throw BadRowReason{"the position " + std::to_string(p.easting) + "," + std::to_string(p.northing)
                           + " is off the " + (p.irishGrid ? "Irish" : "British") + " grid"};
    if (gridRef != expected)
        throw BadRowReason{"the grid reference \"" + std::string(gridRef) + "\" disagrees with the position ("
                           + expected + ")"};
}

void setName(SourcePlace& p, std::string_view utf8)
{
    StoredName name = checkedName(utf8);
    p.name = name.text;
    p.baseLetters = name.baseLetters;
    p.plainApostrophe = name.plainApostrophe;
}

// Reads every row through place(), which throws BadRowReason for a bad one.
template <typename MakePlace> SourceRows readRows(const CsvTable& table, std::size_t nameColumn, MakePlace place)
{
    SourceRows out;
    for (const CsvRow& row : table.rows()) {
        std::string sourceName = nameColumn < row.fields.size() ? row.fields[nameColumn] : "";
        try {
            if (row.fields.size() != table.columnCount())
                throw BadRowReason{"expected " + std::to_string(table.columnCount()) + " fields, found "
                                   + std::to_string(row.fields.size())};
            out.places.push_back(place(row));
        } catch (const BadRowReason& reason) {
            out.bad.push_back({table.fileName(), row.line, reason.text, sourceName});
        }
    }
    return out;
}

} // namespace

std::string describe(const BadRow& bad)
{
    std::string text = bad.file + " line " + std::to_string(bad.line) + ": " + bad.reason;
    if (!bad.sourceName.empty())
        text += ": \"" + bad.sourceName + "\"";
    return text;
}

SourceRows readEnglandList(std::string_view csvText)
{
    CsvTable table = CsvTable::parse(csvText, kEnglandListFile);
    const std::size_t name = table.column("name"), chapman = table.column("chapman"), country = table.column("country"),
                      east = table.column("e_km"), north = table.column("n_km"), gridRef = table.column("gridref"),
                      flag = table.column("maybe_not_settlement");
    return readRows(table, name, [&](const CsvRow& row) {
        const auto& f = row.fields;
        SourcePlace p;
        p.source = Source::EnglandList;
        p.line = row.line;
        setName(p, f[name]);
        p.country = f[country];
        if (p.country != "ENG" && p.country != "IOM")
            throw BadRowReason{"the country \"" + p.country + "\" is not England or the Isle of Man"};
        p.county = f[chapman];
        const County* county = findCounty(p.county);
        if (county == nullptr || county->country != p.country)
            throw BadRowReason{"the county code \"" + p.county + "\" is not one of " + p.country};
        checkPosition(p, f[east], f[north], f[gridRef]);
        p.flaggedNotSettlement = f[flag] == "Y";
        return p;
    });
}

SourceRows readGeoNames(std::string_view csvText)
{
    CsvTable table = CsvTable::parse(csvText, kGeoNamesFile);
    const std::size_t id = table.column("geonameid"), name = table.column("name"),
                      feature = table.column("feature_code"), country = table.column("country"),
                      area = table.column("county_geonames"), population = table.column("population"),
                      grid = table.column("grid"), east = table.column("e_km"), north = table.column("n_km"),
                      gridRef = table.column("gridref");
    return readRows(table, name, [&](const CsvRow& row) {
        const auto& f = row.fields;
        SourcePlace p;
        p.source = Source::GeoNames;
        p.line = row.line;
        p.geonameId = checkedWhole(f[id], "geonameid");
        setName(p, f[name]);
        p.featureCode = f[feature];
        p.country = f[country];
        p.county = f[area];
        p.population = f[population].empty() ? 0 : checkedWhole(f[population], "population");
        bool irishCountry = p.country == "IRL" || p.country == "NIR";
        bool britishCountry = p.country == "ENG" || p.country == "WLS" || p.country == "SCO" || p.country == "IOM";
        if (!irishCountry && !britishCountry)
            throw BadRowReason{"the country \"" + p.country + "\" is not in Great Britain or Ireland"};
        if (f[grid] != (irishCountry ? "IG" : "BNG"))
            throw BadRowReason{"the grid \"" + f[grid] + "\" is not the grid of " + p.country};
        p.irishGrid = irishCountry;
        checkPosition(p, f[east], f[north], f[gridRef]);
        return p;
    });
}

} // namespace tools
