#pragma once
// Small parish data files for tests, written byte for byte as the program stores them.
#include "maps/map_sheet_record.h"
#include "records/parish_record.h"
#include "records/record_cursor.h"
#include "temp_dir.h"

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

// The bytes of records (parish or map sheet records) one after another, and back (whole records only).
template <class Record> std::string bytesOf(const std::vector<Record>& records)
{
    std::string bytes;
    for (const auto& r : records)
        bytes.append(r.bytes.data(), r.bytes.size());
    return bytes;
}
template <class Record> std::vector<Record> recordsOf(std::string_view bytes)
{
    std::vector<Record> out(bytes.size() / Record{}.bytes.size());
    for (std::size_t i = 0; i < out.size(); ++i)
        bytes.copy(out[i].bytes.data(), out[i].bytes.size(), i * out[i].bytes.size());
    return out;
}

inline void writeDataFile(const std::filesystem::path& path, const std::vector<records::ParishRecord>& records)
{
    writeBytes(path, bytesOf(records));
}

// Parishes.Dat of these records in a fresh folder, open in a cursor at position -1.
struct OpenDataFile {
    TempDir dir;
    records::RecordCursor cursor;
    explicit OpenDataFile(const std::vector<records::ParishRecord>& records);
    std::filesystem::path path() const { return dir / "Parishes.Dat"; }
};

// A map sheet of MapList.Dat with each field stored as given (cut to its capacity).
maps::MapSheetRecord mapSheet(std::string_view series, std::string_view number, std::string_view west,
                              std::string_view south, std::string_view inset, std::string_view east,
                              std::string_view north);
inline std::string mapListBytes(const std::vector<maps::MapSheetRecord>& sheets)
{
    return bytesOf(sheets);
}

} // namespace testsupport
