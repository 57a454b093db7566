#pragma once
// Small parish data files for tests, written byte for byte as the program stores them.
#include "maps/map_sheet_record.h"
#include "records/parish_record.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace testsupport {

// A record with the stored conventions of the amendment window: name padded to
// 45, county and country padded left to 3, OSRef, easting and northing to 6.
records::ParishRecord parish(std::string_view name, std::string_view type, std::string_view county,
                             std::string_view country, std::string_view osRef, int easting, int northing);

// The version record: "// Database Version" and a version text; easting and northing read as 0.
records::ParishRecord versionRecord(std::string_view version = "1.0");

// "Parish 000" ... : n plain records with distinct names and positions.
std::vector<records::ParishRecord> numberedParishes(int n);

void writeDataFile(const std::filesystem::path& path, const std::vector<records::ParishRecord>& records);

// The file content as records (the file must hold a whole number of records).
std::vector<records::ParishRecord> readDataFile(const std::filesystem::path& path);

// A map sheet of MapList.Dat with each field stored as given (cut to its capacity).
maps::MapSheetRecord mapSheet(std::string_view series, std::string_view number, std::string_view west,
                              std::string_view south, std::string_view inset, std::string_view east,
                              std::string_view north);

// The bytes of a MapList.Dat holding these sheets in order.
std::string mapListBytes(const std::vector<maps::MapSheetRecord>& sheets);

// The whole sheet records of MapList.Dat bytes.
std::vector<maps::MapSheetRecord> mapSheetsOf(std::string_view bytes);

} // namespace testsupport
