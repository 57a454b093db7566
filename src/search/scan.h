#pragma once
// Sequential scans of the data file for the name and county searches.
#include "records/data_file.h"
#include "search/search_key.h"

#include <cstdint>
#include <string_view>

namespace search {

// Reads records from position on until one matches. position follows the scan:
// on a match it is the matching record's index (the record is in buffer); at
// the end of the file it is the end; when a read fails (an exception) it is the
// record being read.
bool scanForName(records::DataFile& file, std::string_view searchText, MatchMode mode, std::int32_t& position,
                 records::ParishRecord& buffer);
bool scanForCounty(records::DataFile& file, std::string_view searchText, std::int32_t& position,
                   records::ParishRecord& buffer);

} // namespace search
