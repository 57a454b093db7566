#include "parish_record.h"

#include <algorithm>
#include <cstring>

namespace records {

void ParishRecord::set(Field f, std::string_view text)
{
    const FieldLayout& l = kLayout[static_cast<std::size_t>(f)];
    writeLengthPrefixed(bytes.data() + l.offset, l.capacity, text);
}

ParishRecord makeRecord(const ParishFields& f)
{
    ParishRecord r;
    r.set(Field::Name, f.name);
    r.set(Field::Type, f.type);
    r.set(Field::County, f.county);
    r.set(Field::Country, f.country);
    r.set(Field::OSRef, f.osRef);
    r.set(Field::Easting, f.easting);
    r.set(Field::Northing, f.northing);
    return r;
}

std::string bytesOf(std::span<const ParishRecord> records)
{
    std::string bytes;
    bytes.reserve(records.size() * kRecordSize);
    for (const ParishRecord& r : records)
        bytes.append(r.bytes.data(), r.bytes.size());
    return bytes;
}

std::vector<ParishRecord> recordsOf(std::string_view bytes)
{
    std::vector<ParishRecord> out(bytes.size() / kRecordSize);
    for (std::size_t i = 0; i < out.size(); ++i)
        bytes.copy(out[i].bytes.data(), kRecordSize, i * kRecordSize);
    return out;
}

} // namespace records
