#pragma once
// Sequential scans of the data file for the name and county searches.
#include "records/record_cursor.h"
#include "search/search_key.h"

#include <cstdint>
#include <string_view>

namespace search {

// Reads records from the cursor's position on until one matches. The cursor
// follows the scan: on a match it is on the matching record (read into it); at
// the end of the file it is at the end; when a read fails (an exception) it is
// on the record being read.
bool scanForName(records::RecordCursor& cursor, std::string_view searchText, MatchMode mode);
bool scanForCounty(records::RecordCursor& cursor, std::string_view searchText);

} // namespace search
