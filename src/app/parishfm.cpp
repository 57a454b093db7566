#include "parishfm.h"

#include "app/general_error.h"
#include "app/messages.h"
#include "maps/map_address.h"
#include "records/count_records.h"
#include "records/record_line.h"
#include "text/file_lookup.h"

#include <string>

namespace app {

namespace {
constexpr std::string_view kDataFileName = "Parishes.Dat";
constexpr std::int32_t kPageStep = 6;
} // namespace

Parishfm::Parishfm(Ports ports, std::filesystem::path workingDirectory)
    : ports_(ports), workingDirectory_(std::move(workingDirectory)), parList_(ports, workingDirectory_),
      mapFm_(ports, workingDirectory_, view), mapHost_(maps::kDefaultMapHost)
{
}

void Parishfm::run(void (Parishfm::*handler)())
{
    runCommand(ports_.dialogs, [&] { (this->*handler)(); });
}

void Parishfm::run(const std::function<void()>& command)
{
    runCommand(ports_.dialogs, command);
}

// ---------------------------------------------------------------- events

void Parishfm::FormCreate()
{
    ClearSearchBoxes();
    cursor_.position = 0;
    auto path = text::findFile(workingDirectory_, kDataFileName);
    if (!path) {
        ports_.dialogs.message(std::string(msg::kMissingDataFile));
        ended_ = true;
        ports_.platform.quit();
        return;
    }
    runCommand(ports_.dialogs, [&] {
        cursor_.file.open(*path);
        if (cursor_.file.hasPartialRecord())
            ports_.dialogs.message(std::string(msg::kDamagedDataFile));
        else if (cursor_.file.isReadOnly())
            ports_.dialogs.message(std::string(msg::kReadOnlyDataFile));
        // Counting only probes the end, so it comes first: a record that fails
        // to show below must not leave the count at zero.
        CountRecords();
        cursor_.position = 0;
        if (!cursor_.file.atEnd(0)) {
            readRecord(0);
            ShowCurrentRecord();
            ShowRecordsAfter();
        }
        loadHistory();
    });
}

void Parishfm::FormKeyDown(Key key)
{
    switch (key) {
    case Key::Home: GoFirst(); break;
    case Key::End: GoLast(); break;
    case Key::Up: StepBack(); break;
    case Key::Down: StepForward(); break;
    case Key::PageUp: PageBack(); break;
    case Key::PageDown: PageForward(); break;
    case Key::Other: break;
    }
}

bool Parishfm::FormCloseQuery()
{
    // A history that cannot be saved is reported, and the person may still close.
    runCommand(ports_.dialogs, [&] { saveHistory(); });
    if (!ports_.dialogs.confirmOkCancel(std::string(msg::kTerminate)))
        return false;
    ended_ = true;
    ports_.platform.quit();
    return true;
}

void Parishfm::ExitClick()
{
    FormCloseQuery();
}

// ---------------------------------------------------------------- display

void Parishfm::readRecord(std::int32_t index)
{
    cursor_.file.read(index, cursor_.record);
}

void Parishfm::ShowCurrentRecord()
{
    view.Memo3.assign(1, records::recordLine(cursor_.record));
    view.Progress = std::to_string(cursor_.position);
    ports_.feedback.repaint("Progress");
}

void Parishfm::ShowRecordsAfter()
{
    view.Memo2.resize(kNeighbourLines);
    for (std::int32_t k = 1; k <= static_cast<std::int32_t>(kNeighbourLines); ++k) {
        std::int32_t i = cursor_.position + k;
        if (cursor_.file.atEnd(i)) {
            view.Memo2[k - 1] = "...";
        } else {
            readRecord(i);
            view.Memo2[k - 1] = records::recordLine(cursor_.record);
        }
    }
}

void Parishfm::ShowRecordsBefore()
{
    view.Memo1.resize(kNeighbourLines);
    const auto lines = static_cast<std::int32_t>(kNeighbourLines);
    for (std::int32_t k = 1; k <= lines; ++k) {
        std::int32_t i = cursor_.position - k;
        if (i < 0) {
            view.Memo1[lines - k] = "... ";
        } else {
            readRecord(i);
            view.Memo1[lines - k] = records::recordLine(cursor_.record);
        }
    }
}

void Parishfm::ShowEndMarkers()
{
    view.Memo2.assign(kNeighbourLines, "...");
}

void Parishfm::CountRecords()
{
    BusyCursor busy(ports_.feedback);
    count_ = records::countRecords(cursor_.file);
}

void Parishfm::ClearSearchBoxes()
{
    view.TarPar.clear();
    view.Progress.clear();
    view.Hits.clear();
}

void Parishfm::showAll()
{
    ShowCurrentRecord();
    ShowRecordsAfter();
    ShowRecordsBefore();
}

// ---------------------------------------------------------------- moves

void Parishfm::StepBack()
{
    if (cursor_.position >= 1) {
        --cursor_.position;
        readRecord(cursor_.position);
        showAll();
    } else {
        cursor_.position = 0;
        ports_.feedback.beep();
    }
}

void Parishfm::StepForward()
{
    if (cursor_.file.atEnd(cursor_.position + 1)) {
        readRecord(cursor_.position);
        ShowCurrentRecord();
        ShowRecordsBefore();
        ports_.feedback.beep();
    } else {
        ++cursor_.position;
        readRecord(cursor_.position);
        showAll();
    }
}

void Parishfm::PageBack()
{
    // With fewer than six records before the cursor it stays where it is.
    if (cursor_.position >= kPageStep) {
        cursor_.position -= kPageStep;
        readRecord(cursor_.position);
        showAll();
    } else {
        ports_.feedback.beep();
    }
}

void Parishfm::PageForward()
{
    if (cursor_.file.atEnd(cursor_.position + kPageStep)) {
        readRecord(cursor_.position);
        ShowCurrentRecord();
        ShowRecordsBefore();
        ports_.feedback.beep();
    } else {
        cursor_.position += kPageStep;
        readRecord(cursor_.position);
        ShowCurrentRecord();
        ShowRecordsBefore();
        ShowRecordsAfter();
    }
}

void Parishfm::GoFirst()
{
    ClearSearchBoxes();
    cursor_.position = 0;
    readRecord(0);
    showAll();
    ports_.feedback.beep();
}

void Parishfm::GoLast()
{
    {
        BusyCursor busy(ports_.feedback);
        cursor_.position = count_ - 1 < 0 ? 0 : count_ - 1;
        readRecord(cursor_.position);
        ShowCurrentRecord();
        ShowRecordsBefore();
        ShowEndMarkers();
    }
    ports_.feedback.beep();
}

// ---------------------------------------------------------------- commands

std::optional<Handler> findHandler(std::string_view control)
{
    struct Entry {
        std::string_view control;
        Handler handler;
    };
    static constexpr Entry kHandlers[] = {
        {"Exit1", &Parishfm::ExitClick},
        {"FindFirst", &Parishfm::FindFirstClick},
        {"FindNext", &Parishfm::FindNextClick},
        {"NextCounty1", &Parishfm::NextCounty1Click},
        {"Select1stParish", &Parishfm::Select1stParishClick},
        {"Select2ndParish", &Parishfm::Select2ndParishClick},
        {"CalDistDir", &Parishfm::CalDistDirClick},
        {"ParishGroup", &Parishfm::ParishGroupClick},
        {"GroupofParishes1", &Parishfm::GroupofParishes1Click},
        {"ClearAll1", &Parishfm::ClearAll1Click},
        {"ClearCurrentItem1", &Parishfm::ClearCurrentItem1Click},
        {"AddCurrentRecord1", &Parishfm::AddCurrentRecord1Click},
        {"AddCurrentRecordName1", &Parishfm::AddCurrentRecordName1Click},
        {"SelectedCounty1", &Parishfm::SelectedCounty1Click},
        {"ParishesmatchingSearchString1", &Parishfm::ParishesmatchingSearchString1Click},
        {"PrintPreview2", &Parishfm::PrintPreview2Click},
        {"OSMapData1", &Parishfm::OSMapData1Click},
        {"ShowLocation2", &Parishfm::ShowLocation2Click},
    };
    for (const Entry& e : kHandlers)
        if (e.control == control)
            return e.handler;
    return std::nullopt;
}

} // namespace app
