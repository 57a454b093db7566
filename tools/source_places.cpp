#include "source_places.h"

#include "csv_table.h"
#include "grid_square.h"
#include "historic_counties.h"
#include "list_cells.h"
#include "national_grid.h"
#include "place_names.h"
#include "records/parish_record.h"

#include <algorithm>
#include <charconv>
#include <cmath>

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

double checkedNumber(std::string_view text, std::string_view what)
{
    double value = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size() || !std::isfinite(value))
        throw BadRowReason{std::string(what) + " \"" + std::string(text) + "\" is not a number"};
    return value;
}

// A position in metres on the lettered squares of its grid; the whole km follow from it.
void setMetres(SourcePlace& p, double eastM, double northM)
{
    p.eastM = eastM;
    p.northM = northM;
    p.easting = static_cast<int>(std::floor(eastM / 1000));
    p.northing = static_cast<int>(std::floor(northM / 1000));
    if (eastM < 1000 || northM < 1000 || gridReference(p.easting, p.northing, p.irishGrid).empty())
        throw BadRowReason{"the position " + std::to_string(p.easting) + "," + std::to_string(p.northing)
                           + " is off the " + (p.irishGrid ? "Irish" : "British") + " grid"};
}

// A Chapman code of the country; the ridings of Yorkshire are stored as the county.
std::string checkedCounty(std::string code, std::string_view country)
{
    if (code == "ERY" || code == "NRY" || code == "WRY")
        code = "YKS";
    const County* county = findCounty(code);
    if (county == nullptr || county->country != country)
        throw BadRowReason{"the county code \"" + code + "\" is not one of " + std::string(country)};
    return code;
}

std::string countryCode(std::string_view name)
{
    if (name == "England")
        return "ENG";
    if (name == "Wales")
        return "WLS";
    if (name == "Scotland")
        return "SCO";
    if (name == "Northern Ireland")
        return "NIR";
    if (name == "Ireland")
        return "IRL";
    throw BadRowReason{"the country \"" + std::string(name) + "\" is not in Great Britain or Ireland"};
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
                      flag = table.column("maybe_not_settlement"), lat = table.column("lat"), lon = table.column("lon");
    return readRows(table, name, [&](const CsvRow& row) {
        const auto& f = row.fields;
        SourcePlace p;
        p.source = Source::EnglandList;
        p.line = row.line;
        setName(p, f[name]);
        // The list's extract wrote the word England as its country code inside
        // one name, that of four villages: the name gets its word back.
        if (p.name == "New ENG")
            p.name = "New England";
        p.country = f[country];
        if (p.country != "ENG" && p.country != "IOM")
            throw BadRowReason{"the country \"" + p.country + "\" is not England or the Isle of Man"};
        p.county = f[chapman];
        const County* county = findCounty(p.county);
        if (county == nullptr || county->country != p.country)
            throw BadRowReason{"the county code \"" + p.county + "\" is not one of " + p.country};
        checkPosition(p, f[east], f[north], f[gridRef]);
        ListCell cell = listCellPosition(checkedNumber(f[lat], "latitude"), checkedNumber(f[lon], "longitude"));
        setMetres(p, cell.expected.easting, cell.expected.northing);
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
                      gridRef = table.column("gridref"), lat = table.column("lat"), lon = table.column("lon");
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
        GridPoint at =
            toNationalGrid(checkedNumber(f[lat], "latitude"), checkedNumber(f[lon], "longitude"), p.irishGrid);
        setMetres(p, at.easting, at.northing);
        return p;
    });
}

SourceRows readPostal(std::string_view csvText)
{
    CsvTable table = CsvTable::parse(csvText, kPostalFile);
    const std::size_t name = table.column("name"), grid = table.column("grid"), east = table.column("easting"),
                      north = table.column("northing"), area = table.column("county_modern"),
                      country = table.column("country");
    SourceRows rows = readRows(table, name, [&](const CsvRow& row) {
        const auto& f = row.fields;
        SourcePlace p;
        p.source = Source::GeoNamesPostal;
        p.line = row.line;
        setName(p, f[name]);
        p.country = countryCode(f[country]);
        if (p.country == "NIR") { // on the British grid in this file; Ireland comes from its own sources
            p.line = 0;
            return p;
        }
        p.county = f[area];
        if (f[grid] != "BNG")
            throw BadRowReason{"the grid \"" + f[grid] + "\" is not the grid of " + p.country};
        setMetres(p, checkedNumber(f[east], "easting"), checkedNumber(f[north], "northing"));
        return p;
    });
    std::erase_if(rows.places, [](const SourcePlace& p) { return p.line == 0; });
    return rows;
}

SourceRows readVillaris(std::string_view csvText)
{
    CsvTable table = CsvTable::parse(csvText, kVillarisFile);
    const std::size_t name = table.column("name"), east = table.column("easting"), north = table.column("northing"),
                      chapman = table.column("chapman"), country = table.column("country"), type = table.column("type"),
                      method = table.column("position_method");
    return readRows(table, name, [&](const CsvRow& row) {
        const auto& f = row.fields;
        SourcePlace p;
        p.source = Source::IndexVillaris;
        p.line = row.line;
        setName(p, f[name]);
        p.country = countryCode(f[country]);
        if (p.country != "ENG" && p.country != "WLS")
            throw BadRowReason{"the country \"" + f[country] + "\" is not England or Wales"};
        p.county = checkedCounty(f[chapman], p.country);
        setMetres(p, checkedNumber(f[east], "easting"), checkedNumber(f[north], "northing"));
        p.precise = f[method] == "osm-node";
        p.parish = f[type] == "parish";
        return p;
    });
}

SourceRows readScottishParishes(std::string_view csvText, int& unpositioned)
{
    CsvTable table = CsvTable::parse(csvText, kScottishParishesFile);
    const std::size_t name = table.column("name"), east = table.column("easting"), north = table.column("northing"),
                      chapman = table.column("chapman"), method = table.column("position_method");
    unpositioned = 0;
    SourceRows rows = readRows(table, name, [&](const CsvRow& row) {
        const auto& f = row.fields;
        SourcePlace p;
        p.source = Source::ScottishParishes;
        p.line = row.line;
        setName(p, f[name]);
        p.country = "SCO";
        p.county = checkedCounty(f[chapman], "SCT");
        p.parish = true;
        if (f[method] == "unpositioned") {
            p.line = 0;
            return p;
        }
        setMetres(p, checkedNumber(f[east], "easting"), checkedNumber(f[north], "northing"));
        p.precise = f[method] == "geonames-name-match";
        return p;
    });
    auto unplaced =
        std::remove_if(rows.places.begin(), rows.places.end(), [](const SourcePlace& p) { return p.line == 0; });
    unpositioned = static_cast<int>(rows.places.end() - unplaced);
    rows.places.erase(unplaced, rows.places.end());
    return rows;
}

SourceRows readIrishParishes(std::string_view csvText)
{
    CsvTable table = CsvTable::parse(csvText, kIrishParishesFile);
    const std::size_t name = table.column("name"), east = table.column("irish_grid_e"),
                      north = table.column("irish_grid_n"), chapman = table.column("chapman"),
                      country = table.column("country");
    return readRows(table, name, [&](const CsvRow& row) {
        const auto& f = row.fields;
        SourcePlace p;
        p.source = Source::IrishParishes;
        p.line = row.line;
        setName(p, f[name]);
        p.country = countryCode(f[country]);
        if (p.country != "IRL" && p.country != "NIR")
            throw BadRowReason{"the country \"" + f[country] + "\" is not in Ireland"};
        p.county = checkedCounty(f[chapman], "IRL");
        p.irishGrid = true;
        p.parish = true;
        setMetres(p, checkedNumber(f[east], "easting"), checkedNumber(f[north], "northing"));
        return p;
    });
}

} // namespace tools
