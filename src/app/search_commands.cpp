// The main window's searches and its search history.
#include "app/messages.h"
#include "app/parishfm.h"
#include "search/history.h"
#include "search/scan.h"
#include "text/file_lookup.h"
#include "text/numbers.h"

#include <algorithm>

namespace app {

namespace {
constexpr std::string_view kHistoryFileName = "HistList.txt";
} // namespace

// ---------------------------------------------------------------- focus

void Parishfm::moveFocus(Focus to)
{
    if (view.focus == Focus::TarPar && to != Focus::TarPar)
        TarParExit();
    view.focus = to;
}

void Parishfm::leaveControl(Focus control)
{
    if (view.focus == control)
        view.focus = Focus::None;
    if (control == Focus::TarPar)
        TarParExit();
}

// ---------------------------------------------------------------- searches

void Parishfm::showFound()
{
    ShowCurrentRecord();
    ShowRecordsAfter();
    ShowRecordsBefore();
}

void Parishfm::showNoMatch()
{
    ports_.dialogs.message(std::string(msg::kNoMatch));
    cursor_.position = 0;
    readRecord(0);
    showFound();
    moveFocus(Focus::TarPar);
}

void Parishfm::findName(std::int32_t from)
{
    auto mode = view.AnyRb ? search::MatchMode::Anywhere : search::MatchMode::Start;
    cursor_.position = from;
    if (search::scanForName(cursor_, view.TarPar, mode)) {
        showFound();
        moveFocus(Focus::TarPar);
    } else {
        showNoMatch();
    }
}

void Parishfm::FindFirstClick()
{
    moveFocus(Focus::Radius);
    BusyCursor busy(ports_.feedback);
    text::WholeReading number = text::readWhole(view.TarPar);
    if (!number.ok) {
        findName(0);
        return;
    }
    // The upper bound first, then the floor: on an empty file this reads
    // record 0 and reports the read error rather than reading record -1.
    cursor_.position = std::max(std::min(number.value, count_ - 1), 0);
    readRecord(cursor_.position);
    showFound();
    moveFocus(Focus::TarPar);
}

void Parishfm::FindNextClick()
{
    moveFocus(Focus::Radius);
    BusyCursor busy(ports_.feedback);
    findName(cursor_.position + 1);
}

void Parishfm::NextCounty1Click()
{
    moveFocus(Focus::Radius);
    BusyCursor busy(ports_.feedback);
    cursor_.position = cursor_.position + 1;
    if (search::scanForCounty(cursor_, view.TarPar))
        showFound();
    else
        showNoMatch();
}

// ---------------------------------------------------------------- history

void Parishfm::loadHistory()
{
    if (auto path = text::findFile(workingDirectory_, kHistoryFileName))
        view.TarParItems = search::loadHistory(*path);
    historyLoaded_ = true;
}

void Parishfm::saveHistory()
{
    if (historyLoaded_)
        search::saveHistory(text::filePath(workingDirectory_, kHistoryFileName), view.TarParItems);
}

namespace {

// Adds an item to the box's sorted list, keeping the selected item selected.
void addItem(ParishfmView& view, std::string item)
{
    std::string selected = view.TarParItemIndex >= 0 ? view.TarParItems[view.TarParItemIndex] : std::string();
    search::insertSorted(view.TarParItems, std::move(item));
    if (view.TarParItemIndex >= 0) {
        // The selected item moves down by one when the new one lands at or before it.
        auto at = static_cast<std::size_t>(view.TarParItemIndex);
        if (view.TarParItems[at] != selected)
            ++view.TarParItemIndex;
    }
}

} // namespace

void Parishfm::TarParExit()
{
    const std::string& text = view.TarPar;
    if (text.empty() || std::find(view.TarParItems.begin(), view.TarParItems.end(), text) != view.TarParItems.end())
        return;
    addItem(view, text);
}

void Parishfm::ClearAll1Click()
{
    if (!ports_.dialogs.warningYesNo(std::string(msg::kClearAllHistory)))
        return;
    view.TarParItems.clear();
    view.TarParItemIndex = -1;
    view.TarPar.clear();
}

void Parishfm::ClearCurrentItem1Click()
{
    int index = view.TarParItemIndex;
    if (index < 0 || index >= static_cast<int>(view.TarParItems.size())) {
        ports_.dialogs.message(std::string(msg::kNoItemSelected));
        return;
    }
    view.TarParItems.erase(view.TarParItems.begin() + index);
    view.TarParItemIndex = -1;
}

void Parishfm::AddCurrentRecord1Click()
{
    addItem(view, std::to_string(cursor_.position));
}

void Parishfm::AddCurrentRecordName1Click()
{
    readRecord(cursor_.position);
    addItem(view, std::string(cursor_.record.name()));
}

} // namespace app
