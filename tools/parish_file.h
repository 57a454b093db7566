#pragma once
// Parishes.Dat: the version record, then every place, in the order the
// program's own sort leaves the file.
#include "places.h"
#include "records/parish_record.h"

#include <string>
#include <string_view>
#include <vector>

namespace tools {

// The text after "// Database Version " in the shipped file.
inline constexpr std::string_view kDataVersion = "1.0 GB+Ireland";

// Name and the version; type, county, country and OSRef blank; easting and
// northing "     0", which read as 0, so the radius search passes over it.
records::ParishRecord versionRecord(std::string_view version = kDataVersion);

// Stored as the amendment window stores a record: the name padded on the right
// to 45, county and country padded on the left to 3, the grid reference
// (two letters, or the Irish grid's one) and four figures, easting and
// northing right-aligned in 6.
records::ParishRecord parishRecord(const Place& place);

// The version record first, then the places sorted by name.
std::vector<records::ParishRecord> parishRecords(const std::vector<Place>& places);

// The records back to back, as the file holds them.
std::string fileBytes(const std::vector<records::ParishRecord>& records);

} // namespace tools
