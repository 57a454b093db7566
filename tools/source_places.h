#pragma once
// The two place lists the parish data is built from, read row by row. A row
// that cannot make a whole record (no position, a position off the grid, a
// name too long for the record, ...) is set aside as a bad row with its line
// number and never used.
#include <string>
#include <string_view>
#include <vector>

namespace tools {

inline constexpr std::string_view kEnglandListFile = "places_england_histcounty_wp.csv";
inline constexpr std::string_view kGeoNamesFile = "places_geonames_gb_ie.csv";
inline constexpr std::string_view kPostalFile = "gb_places_geonames_postal.csv";
inline constexpr std::string_view kVillarisFile = "ew_index_villaris_1680.csv";
inline constexpr std::string_view kScottishParishesFile = "sct_parishes_scotp_geonames.csv";
inline constexpr std::string_view kIrishParishesFile = "ie_civil_parishes_townlandsie.csv";

enum class Source { EnglandList, GeoNames, GeoNamesPostal, IndexVillaris, ScottishParishes, IrishParishes };

struct SourcePlace {
    Source source = Source::EnglandList;
    int line = 0;
    std::string name; // the stored form: cp1252, at most 45 characters
    std::string county; // England list: the Chapman code; GeoNames: the modern area as given (UTF-8)
    std::string country; // ENG, IOM, WLS, SCO, NIR, IRL (the new lists' country names are read as these)
    int easting = 0; // whole km on the British grid, or on the Irish grid when irishGrid
    int northing = 0;
    double eastM = 0; // metres: where the source puts the place (for the England list, its cell's expected position)
    double northM = 0;
    bool irishGrid = false;
    bool baseLetters = false; // see StoredName
    bool plainApostrophe = false;
    bool flaggedNotSettlement = false; // England list: a canal, river, hill, ... perhaps
    long geonameId = 0; // GeoNames
    std::string featureCode; // GeoNames: PPL, PPLA2, PPLX, ...
    long population = 0; // GeoNames: 0 when not known
    bool precise = true; // Index Villaris: matched to an OpenStreetMap point; Scottish parishes: on a place of its name
    bool parish = false; // Index Villaris: marked as a parish
};

struct BadRow {
    std::string file;
    int line = 0;
    std::string reason;
    std::string sourceName; // the name as the source writes it (UTF-8)
};

// "places_geonames_gb_ie.csv line 12: no name", with the source's name after a colon when it has one.
std::string describe(const BadRow& bad);

struct SourceRows {
    std::vector<SourcePlace> places;
    std::vector<BadRow> bad;
};

// The England list: England and the Isle of Man with historic counties as
// Chapman codes. Throws SourceError when a column is missing.
SourceRows readEnglandList(std::string_view csvText);

// GeoNames populated places of Great Britain and Ireland (Northern Ireland on
// the Irish grid). Throws SourceError when a column is missing.
SourceRows readGeoNames(std::string_view csvText);

// GeoNames' postal places of Great Britain, each on its own point, with the
// modern council area. Throws SourceError when a column is missing.
SourceRows readPostal(std::string_view csvText);

// Index Villaris 1680: England and Wales with historic counties as Chapman
// codes (the Yorkshire ridings read as YKS). Throws SourceError.
SourceRows readVillaris(std::string_view csvText);

// The parishes of Scotland's old parish registers with their historic
// counties; rows without a position are not read. Throws SourceError.
SourceRows readScottishParishes(std::string_view csvText, int& unpositioned);

// The civil parishes of Ireland, one row for each county a parish lies in.
SourceRows readIrishParishes(std::string_view csvText);

} // namespace tools
