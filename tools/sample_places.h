#pragma once
// The sample data file: places read from a short hand-checked CSV, stored as
// the amendment window stores a record, behind a version record, in name order.
#include "records/parish_record.h"

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace tools {

// A row of the places CSV that cannot be stored as given; the text names the line.
class BadPlaceRow : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct Place {
    std::string name, type, county, country, osRef; // cp1252
    int easting = 0, northing = 0;                   // whole km
};

// Reads "name,type,county,country,osref,easting,northing,source" rows (UTF-8;
// lines starting with '#' and blank lines are skipped). Every row is checked:
// field sizes, codes, numbers, and a grid reference that agrees with the
// easting and northing. Throws BadPlaceRow.
std::vector<Place> readPlaces(std::string_view csv);

// Name padded on the right to 45, county and country padded on the left to 3,
// grid reference, easting and northing right-aligned in 6.
records::ParishRecord storedRecord(const Place& place);

// "// Database Version " and the version text; every other field blank, easting
// and northing "     0" so that they read as the number 0.
records::ParishRecord versionRecord(std::string_view version);

// The version record, then the places ordered by the stored name's bytes, the
// order the program's own sort gives, so sorting the file changes nothing.
std::vector<records::ParishRecord> sampleRecords(std::string_view version, const std::vector<Place>& places);

// The records back to back, as the data file holds them.
std::string fileBytes(const std::vector<records::ParishRecord>& records);

} // namespace tools
