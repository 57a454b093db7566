#pragma once
// The radius search: one pass over the data file listing every parish within
// R miles of the 1st parish, as the report ParList.txt and the plot points
// PlotList.txt (both built in memory; the caller writes them).
#include "records/record_cursor.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace grid {

inline constexpr std::int32_t kMaxHits = 1000;

// What the pass takes from the main window's boxes.
struct RadiusCentre {
    std::string radiusText; // as typed, copied into the report heading
    std::string parish1; // "Name, T, CTY, CTR"
    std::string parish1East; // as stored
    std::string parish1North;
};

// Country, county and name cut from the 1st parish text at fixed places from
// its end; a text too short for a place gives what there is, never more.
struct Parish1Parts {
    std::string_view name, county, country;
};
Parish1Parts splitParish1(std::string_view parish1);

// Told as the pass goes, so the window can show its progress.
class RadiusProgress {
public:
    virtual ~RadiusProgress() = default;
    virtual void recordsRead(std::int32_t count) = 0; // every 1000 records
    virtual void hitsFound(std::int32_t count) = 0; // at every hit
};

struct RadiusOutcome {
    enum class Stop { EndOfFile, MaxHits, BadEasting, BadNorthing };
    std::string report; // ParList.txt, CR LF lines
    std::string plot; // PlotList.txt, CR LF lines
    std::int32_t hits = 0;
    std::int32_t recordsRead = 0;
    Stop stop = Stop::EndOfFile;
    int errorPosition = 0; // of the bad easting or northing
};

// Scans from record 0; the cursor follows the scan (on a read failure it is on
// the record being read, and the exception passes to the caller) and holds the
// last record read.
RadiusOutcome scanWithinRadius(records::RecordCursor& cursor, const RadiusCentre& centre, std::int32_t radiusMiles,
                               double east1, double north1, RadiusProgress& progress);

} // namespace grid
