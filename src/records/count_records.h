#pragma once
#include "records/data_file.h"

#include <cstdint>

namespace records {

// Finds the number of records with end-of-file probes alone (no reads):
// up in steps of 1000, back in steps of 100, up in steps of 1. A partial last
// record counts as a record.
std::int32_t countRecords(const DataFile& file);

} // namespace records
