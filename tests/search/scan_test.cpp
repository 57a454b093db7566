#include "search/scan.h"
#include "support/data_files.h"
#include "text/io_error.h"

#include <gtest/gtest.h>

#include <optional>

using testsupport::parish;

const std::vector<records::ParishRecord> kRecords = {testsupport::versionRecord(),
                                                     parish("Aston", "A", "WAR", "ENG", "SP0888", 408, 288),
                                                     parish("Ashby", "A", "LEI", "ENG", "SK3516", 435, 316),
                                                     parish("Stanton", "A", " KE", "ENG", "TQ0000", 500, 100),
                                                     parish("Eglise", "A", "KEN", "ENG", "TQ0000", 500, 100),
                                                     parish("Bastow", "A", "kent", "ENG", "TQ0000", 500, 100)};

// Names from the position on, and county keys containing the text: where the scan stops
// (the plain searches and their messages are pinned by the driver's golden search case).
TEST(Scan, FindsTheFirstMatchFromThePositionOnOrStopsWhereAReadFails)
{
    testsupport::OpenDataFile f(kRecords);
    using enum search::MatchMode;
    // text, match mode (none: a county scan), from, found, where it stopped
    const std::tuple<const char*, std::optional<search::MatchMode>, std::int32_t, bool, std::int32_t> cases[] = {
        {"st", Start, 0, true, 3}, {"", Start, 0, true, 0},     {"", Anywhere, 0, false, 6},
        {"//", Start, 0, true, 0}, {"zzz", Start, 0, false, 6}, {"ash", Start, 6, false, 6},
        {"ke", {}, 0, true, 3}, // " KE": a leading blank
        {"ke", {}, 5, true, 5}, // "kent", cut to 3 when stored
        {"", {}, 0, false, 6}};
    for (const auto& [text, mode, from, found, at] : cases) {
        SCOPED_TRACE(std::string(text) + " from " + std::to_string(from));
        f.cursor.position = from;
        EXPECT_EQ(mode ? search::scanForName(f.cursor, text, *mode) : search::scanForCounty(f.cursor, text), found);
        EXPECT_EQ(f.cursor.position, at);
    }
    // A read failure leaves the position on the record being read.
    f.cursor.file.close();
    testsupport::writeBytes(f.path(), testsupport::bytesOf(kRecords) + "partial");
    f.cursor.file.open(f.path());
    f.cursor.position = 4;
    EXPECT_THROW(search::scanForName(f.cursor, "zzz", search::MatchMode::Start), text::IoError);
    EXPECT_EQ(f.cursor.position, 6);
}
