#pragma once
// The order of the data file: records by name, as the "Sort File on Parish
// Name" command leaves them. The shipped data file is built in this order too.
#include "records/parish_record.h"

#include <cstddef>
#include <span>

namespace records {

// The most records the sort command takes; a file with more is refused.
inline constexpr std::size_t kMaxSortRecords = 30000;

// Names compared as strings of bytes (unsigned): the first differing byte
// decides, and a name that is the beginning of another comes first. Blanks
// stored after a name count; nothing else in the record does.
bool nameGreater(const ParishRecord& a, const ParishRecord& b);

// Shell sort on the name (gaps h := h div 3 + 1 down to 1, insertion within
// each chain). Equal names keep the order this procedure gives them, not
// necessarily their former order. When record 0 is the version record it stays
// at index 0 and only the records after it are sorted, whatever its name would
// sort after.
void sortByName(std::span<ParishRecord> records);

} // namespace records
