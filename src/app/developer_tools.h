// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The maintainer's tools of the "My Tools" menu that work on the data file:
// a test file cut from the maintainer's good copy, a new data file converted
// from the load file, the allocator's figures, and the batch correction of
// Monmouthshire's country. Every rewrite replaces the data file whole or
// leaves it as it was.
#include "app/main_context.h"
#include "app/record_browser.h"

namespace app {

// Whether the maintainer's menu is shown: the option --my-tools was given, or
// the environment variable STEEPLEWATCHER_MY_TOOLS is "1".
bool myToolsSetting(bool optionGiven);

class DeveloperTools {
public:
    DeveloperTools(MainContext& c, RecordBrowser& browser) : c_(c), browser_(browser) {}

    // Replaces the data file with the first records of the good copy.
    void createTestFile();
    // Replaces the data file with one record for every line of the load file.
    void convertData();
    // Shows the C library allocator's statistics.
    void displayMemory();
    // Gives every record of county "MON" the country "WLS".
    void batch();

private:
    MainContext& c_;
    RecordBrowser& browser_;
};

} // namespace app
