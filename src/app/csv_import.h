// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window's import of a CSV file: every line of the file chosen
// becomes one record appended at the end of the data file, in line order.
// The import is all or nothing: the records are appended in one write, and a
// failure cuts the file back to its size before the import.
#include "app/main_context.h"
#include "app/record_browser.h"

namespace app {

class CsvImport {
public:
    CsvImport(MainContext& c, RecordBrowser& browser) : c_(c), browser_(browser) {}

    void importCsv();

private:
    MainContext& c_;
    RecordBrowser& browser_;
};

} // namespace app
