#include "data_files.h"

#include "temp_dir.h"
#include "text/columns.h"

#include <cstdio>

namespace testsupport {

records::ParishRecord parish(std::string_view name, std::string_view type, std::string_view county,
                             std::string_view country, std::string_view osRef, int easting, int northing)
{
    return records::makeRecord({
        text::padRight(name, 45),
        std::string(type),
        text::padLeft(county, 3),
        text::padLeft(country, 3),
        text::padLeft(osRef, 6),
        text::padLeft(std::to_string(easting), 6),
        text::padLeft(std::to_string(northing), 6),
    });
}

records::ParishRecord versionRecord(std::string_view version)
{
    return records::makeRecord(
        {"// Database Version " + std::string(version), " ", "   ", "   ", "      ", "     0", "     0"});
}

std::vector<records::ParishRecord> numberedParishes(int n)
{
    std::vector<records::ParishRecord> out;
    for (int i = 0; i < n; ++i) {
        char name[32];
        std::snprintf(name, sizeof name, "Parish %05d", i);
        out.push_back(parish(name, "A", "LEI", "ENG", "SK3516", 400 + i % 100, 300 + i % 97));
    }
    return out;
}

void writeDataFile(const std::filesystem::path& path, const std::vector<records::ParishRecord>& records)
{
    std::string bytes;
    for (const auto& r : records)
        bytes.append(r.bytes.data(), r.bytes.size());
    writeBytes(path, bytes);
}

std::vector<records::ParishRecord> readDataFile(const std::filesystem::path& path)
{
    std::string bytes = readBytes(path);
    std::vector<records::ParishRecord> out(bytes.size() / records::kRecordSize);
    for (std::size_t i = 0; i < out.size(); ++i)
        bytes.copy(out[i].bytes.data(), records::kRecordSize, i * records::kRecordSize);
    return out;
}

maps::MapSheetRecord mapSheet(std::string_view series, std::string_view number, std::string_view west,
                              std::string_view south, std::string_view inset, std::string_view east,
                              std::string_view north)
{
    maps::MapSheetRecord r;
    int field = 0;
    for (std::string_view text : {series, number, west, south, inset, east, north})
        r.set(static_cast<maps::SheetField>(field++), text);
    return r;
}

std::string mapListBytes(const std::vector<maps::MapSheetRecord>& sheets)
{
    std::string bytes;
    for (const auto& s : sheets)
        bytes.append(s.bytes.data(), s.bytes.size());
    return bytes;
}

std::vector<maps::MapSheetRecord> mapSheetsOf(std::string_view bytes)
{
    std::vector<maps::MapSheetRecord> out(bytes.size() / maps::kSheetRecordSize);
    for (std::size_t i = 0; i < out.size(); ++i)
        bytes.copy(out[i].bytes.data(), maps::kSheetRecordSize, i * maps::kSheetRecordSize);
    return out;
}

} // namespace testsupport
