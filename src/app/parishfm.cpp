// SPDX-License-Identifier: GPL-3.0-or-later
#include "parishfm.h"

#include "app/messages.h"
#include "records/working_files.h"
#include "text/file_lookup.h"

namespace app {

Parishfm::Parishfm(Ports ports, Dispatcher& dispatcher, std::filesystem::path workingDirectory, ReportViewer& viewer,
                   MapSheetWindow& sheets, AmendmentWindow& amendment, LocationPlotWindow& locations,
                   MyTextWindow& myText, std::string mapHost, bool myTools)
    : Window("Parishfm", "Parishfm", ports, dispatcher), c_(ports, std::move(workingDirectory), *this), browser_(c_),
      search_(c_, browser_), distance_(c_, browser_, viewer), reports_(c_, browser_, viewer),
      maps_(c_, distance_, sheets, locations, std::move(mapHost)), maintenance_(c_, browser_, amendment),
      import_(c_, browser_), backUps_(c_, browser_), tools_(c_, browser_), mapTools_(c_, myText)
{
    c_.maintainer = myTools;
    describeControls();
    describeMenu();
    setFocus("TarPar");
}

void Parishfm::start()
{
    browser_.clearSearchBoxes();
    c_.cursor.position = 0;
    auto path = text::findFile(c_.workingDirectory, files::kParishes);
    if (!path) {
        c_.message(msg::kMissingDataFile);
        ended_ = true;
        ports_.platform.quit();
        return;
    }
    dispatcher().runPart([&] {
        records::DataFile& file = c_.cursor.file;
        file.open(*path);
        if (file.hasPartialRecord())
            c_.message(msg::kDamagedDataFile);
        else if (file.isReadOnly())
            c_.message(msg::kReadOnlyDataFile);
        // Counting only probes the end, so it comes first: a record that fails
        // to show below must not leave the count at zero.
        browser_.countRecords();
        c_.cursor.position = 0;
        if (!file.atEnd(0)) {
            browser_.read(0);
            browser_.showCurrentRecord();
            browser_.showRecordsAfter();
        }
        search_.loadHistory();
    });
}

void Parishfm::keyDown(Key key)
{
    browser_.keyDown(key);
}

bool Parishfm::closeQuery()
{
    // A history that cannot be saved is reported, and the person may still close.
    dispatcher().runPart([&] { search_.saveHistory(); });
    if (!ports_.dialogs.confirmOkCancel(std::string(msg::kTerminate)))
        return false;
    ended_ = true;
    ports_.platform.quit();
    return true;
}

} // namespace app
