// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window's searches (by name, from the start or from the current
// record, by county, by record number) and the search box's history.
#include "app/main_context.h"
#include "app/record_browser.h"

#include <cstdint>

namespace app {

class NameSearch {
public:
    NameSearch(MainContext& c, RecordBrowser& browser) : c_(c), browser_(browser) {}

    void findFirst();
    void findNext();
    void nextCounty();

    // The search box losing the focus: its text joins the history.
    void searchBoxExit();
    void loadHistory();
    // Saves the history, but only once it was loaded, so a failed start never empties the file.
    void saveHistory();
    void clearAll();
    void clearCurrentItem();
    void addCurrentRecordNumber();
    void addCurrentRecordName();

private:
    void findName(std::int32_t from);
    void showFound();
    void showNoMatch();
    void addItem(std::string item);

    MainContext& c_;
    RecordBrowser& browser_;
    bool historyLoaded_ = false;
};

} // namespace app
