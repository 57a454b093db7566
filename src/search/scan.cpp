#include "scan.h"

namespace search {
namespace {

template <typename Matches>
bool scan(records::DataFile& file, std::int32_t& position, records::ParishRecord& buffer, Matches matches)
{
    for (; !file.atEnd(position); ++position) {
        file.read(position, buffer);
        if (matches(buffer))
            return true;
    }
    return false;
}

} // namespace

bool scanForName(records::DataFile& file, std::string_view searchText, MatchMode mode, std::int32_t& position,
                 records::ParishRecord& buffer)
{
    SearchKey key(searchText, kNameKeyLength);
    return scan(file, position, buffer,
                [&](const records::ParishRecord& r) { return nameMatches(r.name(), key, mode); });
}

bool scanForCounty(records::DataFile& file, std::string_view searchText, std::int32_t& position,
                   records::ParishRecord& buffer)
{
    SearchKey key(searchText, kCountyKeyLength);
    return scan(file, position, buffer,
                [&](const records::ParishRecord& r) { return countyMatches(r.get(records::Field::County), key); });
}

} // namespace search
