#include "scan.h"

namespace search {
namespace {

template <typename Matches> bool scan(records::RecordCursor& cursor, Matches matches)
{
    for (; !cursor.file.atEnd(cursor.position); ++cursor.position) {
        cursor.read(cursor.position);
        if (matches(cursor.record))
            return true;
    }
    return false;
}

} // namespace

bool scanForName(records::RecordCursor& cursor, std::string_view searchText, MatchMode mode)
{
    SearchKey key(searchText, kNameKeyLength);
    return scan(cursor, [&](const records::ParishRecord& r) { return nameMatches(r.name(), key, mode); });
}

bool scanForCounty(records::RecordCursor& cursor, std::string_view searchText)
{
    SearchKey key(searchText, kCountyKeyLength);
    return scan(cursor,
                [&](const records::ParishRecord& r) { return countyMatches(r.get(records::Field::County), key); });
}

} // namespace search
