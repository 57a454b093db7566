#include "parish_file.h"

#include "grid_square.h"
#include "records/sort_by_name.h"
#include "text/columns.h"

namespace tools {

records::ParishRecord versionRecord(std::string_view version)
{
    std::string name = std::string(records::kVersionPrefix) + " " + std::string(version);
    return records::makeRecord({text::padRight(name, 45), " ", "   ", "   ", "      ", "     0", "     0"});
}

records::ParishRecord parishRecord(const Place& p)
{
    return records::makeRecord({
        text::padRight(p.name, 45),
        std::string(1, p.type),
        text::padLeft(p.county, 3),
        text::padLeft(p.country, 3),
        text::padLeft(gridReference(p.easting, p.northing, p.irishGrid), 6),
        text::padLeft(std::to_string(p.easting), 6),
        text::padLeft(std::to_string(p.northing), 6),
    });
}

std::vector<records::ParishRecord> parishRecords(const std::vector<Place>& places)
{
    std::vector<records::ParishRecord> out{versionRecord()};
    out.reserve(places.size() + 1);
    for (const Place& p : places)
        out.push_back(parishRecord(p));
    records::sortByName(out);
    return out;
}

std::string fileBytes(const std::vector<records::ParishRecord>& records)
{
    std::string bytes;
    bytes.reserve(records.size() * records::kRecordSize);
    for (const auto& r : records)
        bytes.append(r.bytes.data(), r.bytes.size());
    return bytes;
}

} // namespace tools
