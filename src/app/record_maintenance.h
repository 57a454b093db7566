// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window's maintenance commands: amending the record on show in the
// amendment window, appending a blank record, marking the record on show for
// deletion (a "~" in front of its name), unmarking it, and removing every
// marked record from the data file, and sorting it by name. A damaged or read-only data file is
// never written: each command refuses with the message the start gave.
#include "app/amendment_window.h"
#include "app/main_context.h"
#include "app/record_browser.h"

namespace app {

class RecordMaintenance {
public:
    RecordMaintenance(MainContext& c, RecordBrowser& browser, AmendmentWindow& amendment)
        : c_(c), browser_(browser), amendment_(amendment)
    {
    }

    // Opens the amendment window; the record is written back when it closes with Save.
    void amend();
    void insertBlank();

    void markForDeletion();
    void unmark();
    // Writes the unmarked records whole over the data file, then reopens it.
    void removeMarked();
    // Puts the records in order of name (the version record stays first) and
    // writes them whole over the data file.
    void sortFile();

private:
    // False, after saying why, when the data file may not be written.
    bool mayWrite();

    MainContext& c_;
    RecordBrowser& browser_;
    AmendmentWindow& amendment_;
};

} // namespace app
