#pragma once
// The one-line view of a record in the main window.
#include "records/parish_record.h"

#include <string>

namespace records {

// Name padded to 45, then type, county, country, OSRef, easting and northing,
// each at its stored length, with the fixed separators between them.
std::string recordLine(const ParishRecord& r);

} // namespace records
