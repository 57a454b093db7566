// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One line of a CSV file as a parish record, read the way the report viewer's
// CSV is written: name, type, county, country, OSRef, easting, northing, each
// maybe in double quotes, separated by commas, maybe a comma after the last.
// Only the name may hold commas, and only when quoted. Each field is cut or
// padded to its stored width; an easting or northing that is not a whole
// number is stored as "   000", which marks the record as unplaced.
#include "records/parish_record.h"

#include <optional>
#include <string_view>

namespace records {

// Nothing when the line has fewer than seven fields: a field before the
// northing has no comma after it (for a quoted name, no closing quote).
std::optional<ParishRecord> recordFromCsvLine(std::string_view line);

} // namespace records
