// SPDX-License-Identifier: GPL-3.0-or-later
#include "name_search.h"

#include "app/messages.h"
#include "records/working_files.h"
#include "search/history.h"
#include "search/scan.h"
#include "text/file_lookup.h"
#include "text/numbers.h"

#include <algorithm>

namespace app {

void NameSearch::showFound()
{
    browser_.showAll();
    c_.window.moveFocus("TarPar");
}

void NameSearch::showNoMatch()
{
    c_.message(msg::kNoMatch);
    c_.cursor.position = 0;
    browser_.read(0);
    showFound();
}

void NameSearch::findName(std::int32_t from)
{
    auto mode = c_.view.AnyRb ? search::MatchMode::Anywhere : search::MatchMode::Start;
    c_.cursor.position = from;
    if (search::scanForName(c_.cursor, c_.view.TarPar, mode))
        showFound();
    else
        showNoMatch();
}

void NameSearch::findFirst()
{
    c_.window.moveFocus("Radius");
    BusyCursor busy(c_.ports.feedback);
    text::WholeReading number = text::readWhole(c_.view.TarPar);
    if (!number.ok) {
        findName(0);
        return;
    }
    // The upper bound first, then the floor: on an empty file this reads
    // record 0 and reports the read error rather than reading record -1.
    c_.cursor.position = std::max(std::min(number.value, c_.count - 1), 0);
    browser_.read(c_.cursor.position);
    showFound();
}

void NameSearch::findNext()
{
    c_.window.moveFocus("Radius");
    BusyCursor busy(c_.ports.feedback);
    findName(c_.cursor.position + 1);
}

void NameSearch::nextCounty()
{
    c_.window.moveFocus("Radius");
    BusyCursor busy(c_.ports.feedback);
    c_.cursor.position += 1;
    if (search::scanForCounty(c_.cursor, c_.view.TarPar))
        browser_.showAll();
    else
        showNoMatch();
}

// ---------------------------------------------------------------- history

void NameSearch::loadHistory()
{
    if (auto path = text::findFile(c_.workingDirectory, files::kHistory))
        c_.view.TarParItems = search::loadHistory(*path);
    historyLoaded_ = true;
}

void NameSearch::saveHistory()
{
    if (historyLoaded_)
        search::saveHistory(text::filePath(c_.workingDirectory, files::kHistory), c_.view.TarParItems);
}

// Adds an item to the box's sorted list, keeping the selected item selected.
void NameSearch::addItem(std::string item)
{
    auto& items = c_.view.TarParItems;
    int& index = c_.view.TarParItemIndex;
    std::string selected = index >= 0 ? items[static_cast<std::size_t>(index)] : std::string();
    search::insertSorted(items, std::move(item));
    // The selected item moves down by one when the new one lands at or before it.
    if (index >= 0 && items[static_cast<std::size_t>(index)] != selected)
        ++index;
}

void NameSearch::searchBoxExit()
{
    const std::string& text = c_.view.TarPar;
    const auto& items = c_.view.TarParItems;
    if (text.empty() || std::find(items.begin(), items.end(), text) != items.end())
        return;
    addItem(text);
}

void NameSearch::clearAll()
{
    if (!c_.ports.dialogs.warningYesNo(std::string(msg::kClearAllHistory)))
        return;
    c_.view.TarParItems.clear();
    c_.view.TarParItemIndex = -1;
    c_.view.TarPar.clear();
}

void NameSearch::clearCurrentItem()
{
    auto& items = c_.view.TarParItems;
    const std::string& shown = c_.view.TarPar;
    // The item the box shows: the one picked last while the box still shows
    // it, else an item of the same text. A box emptied by a move, or typed
    // over with a text the list lacks, selects nothing, whatever was picked.
    int index = c_.view.TarParItemIndex;
    if (index < 0 || index >= static_cast<int>(items.size()) || items[static_cast<std::size_t>(index)] != shown) {
        const auto same = std::find(items.begin(), items.end(), shown);
        index = shown.empty() || same == items.end() ? -1 : static_cast<int>(same - items.begin());
    }
    if (index < 0) {
        c_.message(msg::kNoItemSelected);
        return;
    }
    items.erase(items.begin() + index);
    c_.view.TarParItemIndex = -1;
}

void NameSearch::addCurrentRecordNumber()
{
    addItem(std::to_string(c_.cursor.position));
}

void NameSearch::addCurrentRecordName()
{
    browser_.read(c_.cursor.position);
    // The name as a box shows it: a NUL stored in the field ends it.
    const std::string_view name = c_.cursor.record.name();
    addItem(std::string(name.substr(0, name.find('\0'))));
}

} // namespace app
