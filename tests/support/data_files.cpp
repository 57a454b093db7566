#include "data_files.h"

#include "text/columns.h"

#include <cstdio>

namespace testsupport {

records::ParishRecord parish(std::string_view name, std::string_view type, std::string_view county,
                             std::string_view country, std::string_view osRef, int easting, int northing)
{
    return records::makeRecord({text::padRight(name, 45), std::string(type), text::padLeft(county, 3),
                                text::padLeft(country, 3), text::padLeft(osRef, 6),
                                text::padLeft(std::to_string(easting), 6), text::padLeft(std::to_string(northing), 6)});
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

OpenDataFile::OpenDataFile(const std::vector<records::ParishRecord>& records)
{
    writeDataFile(path(), records);
    cursor.file.open(path());
    cursor.position = -1;
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

} // namespace testsupport
