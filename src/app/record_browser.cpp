// SPDX-License-Identifier: GPL-3.0-or-later
#include "record_browser.h"

#include "records/count_records.h"
#include "records/record_line.h"

#include <string>

namespace app {

namespace {
constexpr std::int32_t kPageStep = 6;
constexpr auto kLines = static_cast<std::int32_t>(kNeighbourLines);
// The line of a view for the record k places before or after the current one.
std::size_t line(std::int32_t k)
{
    return static_cast<std::size_t>(k);
}
} // namespace

void RecordBrowser::showCurrentRecord()
{
    c_.view.Memo3.assign(1, records::recordLine(c_.cursor.record));
    c_.showNow(c_.view.Progress, "Progress", std::to_string(c_.cursor.position));
}

void RecordBrowser::showRecordsAfter()
{
    auto& lines = c_.view.Memo2;
    lines.resize(kNeighbourLines);
    for (std::int32_t k = 1; k <= kLines; ++k) {
        std::int32_t i = c_.cursor.position + k;
        if (c_.cursor.file.atEnd(i)) {
            lines[line(k - 1)] = "...";
        } else {
            read(i);
            lines[line(k - 1)] = records::recordLine(c_.cursor.record);
        }
    }
}

void RecordBrowser::showRecordsBefore()
{
    auto& lines = c_.view.Memo1;
    lines.resize(kNeighbourLines);
    for (std::int32_t k = 1; k <= kLines; ++k) {
        std::int32_t i = c_.cursor.position - k;
        if (i < 0) {
            lines[line(kLines - k)] = "... ";
        } else {
            read(i);
            lines[line(kLines - k)] = records::recordLine(c_.cursor.record);
        }
    }
}

void RecordBrowser::showEndMarkers()
{
    c_.view.Memo2.assign(kNeighbourLines, "...");
}

void RecordBrowser::showAll()
{
    showCurrentRecord();
    showRecordsAfter();
    showRecordsBefore();
}

void RecordBrowser::showFirstRecord()
{
    c_.cursor.position = 0;
    if (c_.cursor.file.atEnd(0))
        return;
    read(0);
    showCurrentRecord();
    showRecordsBefore();
    showRecordsAfter();
}

void RecordBrowser::showRecordAt(std::int32_t index)
{
    c_.cursor.position = index;
    read(index);
    showCurrentRecord();
    showRecordsBefore();
    showRecordsAfter();
}

void RecordBrowser::countRecords()
{
    BusyCursor busy(c_.ports.feedback);
    c_.count = records::countRecords(c_.cursor.file);
}

void RecordBrowser::clearSearchBoxes()
{
    c_.view.TarPar.clear();
    c_.view.Progress.clear();
    c_.view.Hits.clear();
}

void RecordBrowser::clearViews()
{
    c_.view.Memo1.assign(kNeighbourLines, std::string());
    c_.view.Memo3.assign(1, std::string());
    c_.view.Memo2.assign(kNeighbourLines, std::string());
}

void RecordBrowser::keyDown(Key key)
{
    switch (key) {
    case Key::Home: goFirst(); break;
    case Key::End: goLast(); break;
    case Key::Up: stepBack(); break;
    case Key::Down: stepForward(); break;
    case Key::PageUp: pageBack(); break;
    case Key::PageDown: pageForward(); break;
    case Key::Other: break;
    }
}

void RecordBrowser::stepBack()
{
    auto& at = c_.cursor.position;
    if (at >= 1) {
        --at;
        read(at);
        showAll();
    } else {
        at = 0;
        c_.ports.feedback.beep();
    }
}

void RecordBrowser::stepForward()
{
    auto& at = c_.cursor.position;
    if (c_.cursor.file.atEnd(at + 1)) {
        read(at);
        showCurrentRecord();
        showRecordsBefore();
        c_.ports.feedback.beep();
    } else {
        ++at;
        read(at);
        showAll();
    }
}

void RecordBrowser::pageBack()
{
    // With fewer than six records before the cursor it stays where it is.
    auto& at = c_.cursor.position;
    if (at >= kPageStep) {
        at -= kPageStep;
        read(at);
        showAll();
    } else {
        c_.ports.feedback.beep();
    }
}

void RecordBrowser::pageForward()
{
    auto& at = c_.cursor.position;
    if (c_.cursor.file.atEnd(at + kPageStep)) {
        read(at);
        showCurrentRecord();
        showRecordsBefore();
        c_.ports.feedback.beep();
    } else {
        at += kPageStep;
        read(at);
        showCurrentRecord();
        showRecordsBefore();
        showRecordsAfter();
    }
}

void RecordBrowser::goFirst()
{
    clearSearchBoxes();
    c_.cursor.position = 0;
    read(0);
    showAll();
    c_.ports.feedback.beep();
}

void RecordBrowser::goLast()
{
    {
        BusyCursor busy(c_.ports.feedback);
        c_.cursor.position = c_.count - 1 < 0 ? 0 : c_.count - 1;
        read(c_.cursor.position);
        showCurrentRecord();
        showRecordsBefore();
        showEndMarkers();
    }
    c_.ports.feedback.beep();
}

} // namespace app
