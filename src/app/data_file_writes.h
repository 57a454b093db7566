// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What every command that changes the data file as a whole shares: the
// refusal to write a damaged or read-only file, and the one way the file is
// replaced (through a temporary file and a rename) and opened again, so that
// no later command reads or writes the file that was replaced.
#include "app/main_context.h"
#include "app/record_browser.h"

#include <cstdint>
#include <string_view>

namespace app {

// False, after saying why, when the data file may not be written.
bool mayWriteDataFile(MainContext& c);
// The two halves of that: a damaged file may not be copied (a back-up) nor
// written in place; a read-only one may not be replaced (restore, the
// maintainer's rebuilds), though replacing mends a damaged one.
bool mayCopyDataFile(MainContext& c);
bool mayReplaceDataFile(MainContext& c);

// Opens the data file again, counts it, and shows the record at index (the
// last whole one when the file is now shorter); empty views on an empty file.
void reopenDataFile(MainContext& c, RecordBrowser& browser, std::int32_t index);

// Replaces the data file whole with content, a whole number of records, and
// shows record index of the new file (the last whole one when it is shorter).
// On failure the file that is there (the old one, or the new one once renamed)
// is opened again with the record on show kept, and the IoError goes on.
void replaceDataFile(MainContext& c, RecordBrowser& browser, std::string_view content, std::int32_t index = 0);

} // namespace app
