#pragma once
// The main window's core: the open data file, the record cursor, the shared
// record buffer, the texts of the boxes, and the handlers of the window's
// events, menu items and buttons. No widget is involved.
#include "app/mapfm.h"
#include "app/parishfm_view.h"
#include "app/parlistfm.h"
#include "app/ports.h"
#include "records/parish_record.h"
#include "records/record_cursor.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace app {

enum class Key { Home, End, Up, Down, PageUp, PageDown, Other };

class Parishfm {
public:
    Parishfm(Ports ports, std::filesystem::path workingDirectory);

    ParishfmView view;

    // Window events.
    void FormCreate();
    // Key preview: runs the navigation move of the key, whatever has the focus.
    void FormKeyDown(Key key);
    // True when the window may close (the user answered OK).
    bool FormCloseQuery();
    void ExitClick();

    // The search box and the searches.
    void TarParExit();
    void FindFirstClick();
    void FindNextClick();
    void NextCounty1Click();
    // The search history menu.
    void ClearAll1Click();
    void ClearCurrentItem1Click();
    void AddCurrentRecord1Click();
    void AddCurrentRecordName1Click();

    // Distance, direction and the radius search.
    void Select1stParishClick();
    void Select2ndParishClick();
    void CalDistDirClick();
    void ParishGroupClick();
    void GroupofParishes1Click();
    void ListParishesWithinRadius();

    // The list reports and the report viewer.
    void SelectedCounty1Click();
    void ParishesmatchingSearchString1Click();
    void PrintPreview2Click();

    // The map sheet window and the street map in the browser.
    void OSMapData1Click();
    void ShowLocation2Click();

    // Focus moves that carry behaviour: the search box losing the focus runs
    // TarParExit, whether a command or the person moves it.
    void moveFocus(Focus to);
    // control loses the focus, as a click elsewhere would do: runs its exit handler.
    void leaveControl(Focus control);

    // Navigation moves.
    void StepBack();
    void StepForward();
    void PageBack();
    void PageForward();
    void GoFirst();
    void GoLast();

    // Display operations.
    void ShowCurrentRecord();
    void ShowRecordsAfter();
    void ShowRecordsBefore();
    void ShowEndMarkers();
    void CountRecords();
    void ClearSearchBoxes();

    // Runs a handler as the window's event dispatcher does: an error it does
    // not handle is shown in the general error box and the program goes on.
    void run(void (Parishfm::*handler)());
    void run(const std::function<void()>& command);

    // State of the run.
    const std::filesystem::path& workingDirectory() const { return workingDirectory_; }
    std::int32_t currentRecord() const { return cursor_.position; }
    std::int32_t recordCount() const { return count_; }
    const records::ParishRecord& recordBuffer() const { return cursor_.record; }
    records::DataFile& dataFile() { return cursor_.file; }
    // The report viewer, which the main window's commands show.
    ParListFm& parListFm() { return parList_; }
    // The map sheet window.
    Mapfm& mapFm() { return mapFm_; }
    // The host of the web map that Show Location asks the browser for.
    const std::string& mapHost() const { return mapHost_; }
    void setMapHost(std::string host) { mapHost_ = std::move(host); }
    // True once the program has been asked to end.
    bool ended() const { return ended_; }

private:
    void readRecord(std::int32_t index);
    void showAll();
    void showFound();
    void findName(std::int32_t from);
    void showNoMatch();
    void selectParish(std::string& description, std::string& osRef, std::string& east, std::string& north);
    void loadHistory();
    void saveHistory();
    void writeReport(const std::string& report);
    void finishListReport(std::int32_t listed);

    Ports ports_;
    std::filesystem::path workingDirectory_;
    records::RecordCursor cursor_;
    std::int32_t count_ = 0;
    bool ended_ = false;
    // The history is saved only when it was loaded, so a failed start never empties the file.
    bool historyLoaded_ = false;
    ParListFm parList_;
    Mapfm mapFm_;
    std::string mapHost_;
};

// The handler of a button or menu item by control name, or nothing when that
// command is not available (its window part is not built).
using Handler = void (Parishfm::*)();
std::optional<Handler> findHandler(std::string_view control);

// The web map's host as the program is set up: the STEEPLEWATCHER_MAP_HOST
// environment variable when it names a plain host, else the default.
std::string mapHostSetting();

} // namespace app
