// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window's record views and the moves through the file: the current
// record line (Memo3), the seven records before (Memo1) and after (Memo2) it,
// the record number (Progress), the count of records, and the six moves.
#include "app/main_context.h"
#include "app/window.h"

#include <cstdint>

namespace app {

class RecordBrowser {
public:
    explicit RecordBrowser(MainContext& c) : c_(c) {}

    void read(std::int32_t index) { c_.cursor.read(index); }
    // The current record's line and number; the records after and before it.
    void showCurrentRecord();
    void showRecordsAfter();
    void showRecordsBefore();
    void showEndMarkers();
    void showAll();
    // Record 0 and the records around it, when there is one; the views stay
    // as they are on an empty file.
    void showFirstRecord();
    // Makes record index the current one and shows it with the records around it.
    void showRecordAt(std::int32_t index);
    // Counts the records by end-of-file probes.
    void countRecords();
    void clearSearchBoxes();
    // Empties the three record views.
    void clearViews();

    // The navigation keys, whatever has the focus.
    void keyDown(Key key);
    void stepBack();
    void stepForward();
    void pageBack();
    void pageForward();
    void goFirst();
    void goLast();

private:
    MainContext& c_;
};

} // namespace app
