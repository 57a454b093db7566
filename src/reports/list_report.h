#pragma once
// The list reports: every record of one county (or of all, "***"), or every
// record whose name contains a text, as the report ParList.txt (built in
// memory; the caller writes it whole).
#include "records/record_cursor.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace reports {

// Told every 1000 records read, so the window can show the scan's progress.
class ListProgress {
public:
    virtual ~ListProgress() = default;
    virtual void progress(std::int32_t recordsRead, std::int32_t listed) = 0;
};

struct ListOutcome {
    std::string report; // ParList.txt, CR LF lines
    std::int32_t listed = 0;
};

// Six blanks, the name and a blank padded to 46, then type, county, country,
// OSRef, easting and northing, each followed by one blank; fields as stored.
std::string listLine(const records::ParishRecord& record);
// The same line added to the end of out, with no string of its own.
void appendListLine(std::string& out, const records::ParishRecord& record);

// county is the argument as the report shows it (already upper-cased); a
// record is listed when its upper-cased county equals it, or always for "***".
// Scans from record 0 with the cursor; it is left on the last record read. A read failure passes to the caller.
ListOutcome listCounty(records::RecordCursor& cursor, std::string_view county, ListProgress& progress);

// searchText is the search box's text as typed: the report shows it without
// its outer blanks, and a record is listed when its upper-cased, trimmed name
// contains the upper-cased, trimmed text (cut to 45). Blanks only list nothing.
ListOutcome listMatching(records::RecordCursor& cursor, std::string_view searchText, ListProgress& progress);

} // namespace reports
