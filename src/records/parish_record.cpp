#include "parish_record.h"

#include <algorithm>
#include <cstring>

namespace records {

std::string_view ParishRecord::get(Field f) const
{
    const FieldLayout& l = kLayout[static_cast<std::size_t>(f)];
    std::size_t length = std::min<std::size_t>(static_cast<unsigned char>(bytes[l.offset]), l.capacity);
    return {bytes.data() + l.offset + 1, length};
}

void ParishRecord::set(Field f, std::string_view text)
{
    const FieldLayout& l = kLayout[static_cast<std::size_t>(f)];
    std::size_t length = std::min(text.size(), l.capacity);
    bytes[l.offset] = static_cast<char>(length);
    std::memset(bytes.data() + l.offset + 1, 0, l.capacity);
    std::memcpy(bytes.data() + l.offset + 1, text.data(), length);
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

} // namespace records
