#pragma once
// County.txt: the county codes of the data file with their names, as plain
// text for a fixed-pitch font, grouped by country.
#include "records/parish_record.h"

#include <string>
#include <vector>

namespace tools {

// Lists exactly the county codes the records use, in the order of the county
// table. Throws SourceError for a code the table does not name.
std::string countyListText(const std::vector<records::ParishRecord>& records);

} // namespace tools
