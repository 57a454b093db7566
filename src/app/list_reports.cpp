// SPDX-License-Identifier: GPL-3.0-or-later
#include "list_reports.h"

#include "app/messages.h"
#include "records/working_files.h"
#include "text/ansi.h"
#include "text/file_lookup.h"

namespace app {

void ListReports::finish(const reports::ListOutcome& outcome)
{
    browser_.showFirstRecord();
    c_.view.Progress = "Done";
    c_.view.Hits = std::to_string(outcome.listed);
    viewer_.open();
}

void ListReports::listCounty()
{
    c_.window.moveFocus("Radius");
    const std::string county = text::ansiUpper(c_.view.TarPar);
    if (!c_.ports.dialogs.confirmYesNo(std::string(msg::kCountyListQuestion) + "\"" + county + "\"?"))
        return;
    if (county.size() != 3) {
        c_.message(msg::kCountyNotThree);
        return;
    }
    reports::ListOutcome outcome;
    {
        BusyCursor busy(c_.ports.feedback);
        KeepPosition keep(c_.cursor);
        BoxProgress progress(c_);
        outcome = reports::listCounty(c_.cursor, county, progress);
        writeReport(c_.workingDirectory, outcome.report);
    }
    finish(outcome);
}

void ListReports::listMatching()
{
    c_.window.moveFocus("Radius");
    const std::string shown(text::trimBlanks(c_.view.TarPar));
    if (!c_.ports.dialogs.confirmYesNo(std::string(msg::kSearchListQuestion) + "\"" + shown + "\"?"))
        return;
    reports::ListOutcome outcome;
    {
        BusyCursor busy(c_.ports.feedback);
        KeepPosition keep(c_.cursor);
        BoxProgress progress(c_);
        outcome = reports::listMatching(c_.cursor, c_.view.TarPar, progress);
        writeReport(c_.workingDirectory, outcome.report);
    }
    finish(outcome);
}

void ListReports::preview()
{
    if (text::fileExists(c_.workingDirectory, files::kReport))
        viewer_.open();
    else
        c_.message(msg::kNoReportFile);
}

} // namespace app
