// SPDX-License-Identifier: GPL-3.0-or-later
#include "record_maintenance.h"

#include "app/data_file_writes.h"
#include "app/messages.h"
#include "records/sort_by_name.h"

#include <algorithm>
#include <span>
#include <string>
#include <vector>

namespace app {

namespace {
constexpr char kMark = '~';
bool isMarked(const records::ParishRecord& r)
{
    return r.name().starts_with(kMark);
}
constexpr std::int32_t kProgressStep = 1000;
} // namespace

bool RecordMaintenance::mayWrite()
{
    return mayWriteDataFile(c_);
}

void RecordMaintenance::amend()
{
    browser_.read(c_.cursor.position);
    // Only the maintainer (with the maintainer's menu shown) may change the version record.
    if (c_.cursor.record.isVersionRecord() && !c_.maintainer) {
        c_.message(msg::kNotAllowedToAmend);
        return;
    }
    if (!mayWrite())
        return;
    amendment_.open(c_.cursor.record, [this](AmendmentWindow::Outcome outcome) {
        if (outcome == AmendmentWindow::Outcome::Save) {
            c_.cursor.record = amendment_.amended();
            c_.cursor.file.write(c_.cursor.position, c_.cursor.record);
            c_.cursor.file.flush();
            browser_.showCurrentRecord();
        } else {
            c_.ports.feedback.beep();
            c_.ports.feedback.beep();
            c_.message(msg::kUpdateCancelled);
        }
        c_.window.moveFocus("TarPar");
    });
}

void RecordMaintenance::insertBlank()
{
    if (!mayWrite())
        return;
    BusyCursor busy(c_.ports.feedback);
    records::DataFile& file = c_.cursor.file;
    std::int32_t end = c_.count;
    while (!file.atEnd(end))
        ++end;
    // A failed append is cut back and nothing else changes.
    file.write(end, records::makeRecord({"A new record is Added", " ", "   ", "   ", "      ", "   000", "  0000"}));
    c_.cursor.position = end;
    c_.count += 1;
    browser_.clearSearchBoxes();
    file.flush();
    browser_.read(end);
    browser_.showCurrentRecord();
    browser_.showRecordsBefore();
    browser_.showRecordsAfter();
}

void RecordMaintenance::markForDeletion()
{
    if (!mayWrite())
        return;
    browser_.read(c_.cursor.position);
    // Only the maintainer (with the maintainer's menu shown) may change the version record.
    if (c_.cursor.record.isVersionRecord() && !c_.maintainer) {
        c_.message(msg::kNotAllowedToDelete);
        return;
    }
    if (!c_.ports.dialogs.confirmYesNo(std::string(msg::kMarkQuestion)))
        return;
    browser_.read(c_.cursor.position);
    records::ParishRecord& r = c_.cursor.record;
    // Cut to the name's 45 characters: a full name loses its last one.
    std::string marked(1, kMark);
    marked += r.name();
    r.set(records::Field::Name, marked);
    c_.cursor.file.write(c_.cursor.position, r);
    c_.cursor.file.flush();
    browser_.showCurrentRecord();
}

void RecordMaintenance::unmark()
{
    if (!mayWrite())
        return;
    if (!c_.ports.dialogs.confirmYesNo(std::string(msg::kUnmarkQuestion)))
        return;
    browser_.read(c_.cursor.position);
    records::ParishRecord& r = c_.cursor.record;
    if (!isMarked(r))
        return;
    const std::string unmarked(r.name().substr(1)); // a copy: the name is read from the record it goes into
    r.set(records::Field::Name, unmarked);
    c_.cursor.file.write(c_.cursor.position, r);
    c_.cursor.file.flush();
    browser_.showCurrentRecord();
}

void RecordMaintenance::removeMarked()
{
    if (!mayWrite())
        return;
    if (!c_.ports.dialogs.warningYesNo(std::string(msg::kRemoveQuestion)))
        return;
    records::DataFile& file = c_.cursor.file;
    {
        BusyCursor busy(c_.ports.feedback);
        std::string kept;
        std::int32_t read = 0;
        for (; !file.atEnd(read); ++read) {
            if (read > 0 && read % kProgressStep == 0)
                c_.showNow(c_.view.Progress, "Progress", std::to_string(read));
            file.read(read, c_.cursor.record);
            const records::ParishRecord& r = c_.cursor.record;
            if (!isMarked(r)) {
                kept.append(r.bytes.data(), r.bytes.size());
            }
        }
        // The kept records replace the file whole, or the file stays as it was.
        replaceDataFile(c_, browser_, kept);
    }
    c_.message(msg::kMarkedRemoved);
}

void RecordMaintenance::sortFile()
{
    if (c_.count > static_cast<std::int32_t>(records::kMaxSortRecords)) {
        c_.message(msg::kTooManyToSort);
        return;
    }
    if (!mayWrite())
        return;
    if (!c_.ports.dialogs.warningYesNo(std::string(msg::kSortQuestion)))
        return;
    BusyCursor busy(c_.ports.feedback);
    c_.cursor.position = 0;
    records::DataFile& file = c_.cursor.file;
    // The records counted are sorted; any the file gained since it was
    // counted are kept after them as they are.
    std::vector<records::ParishRecord> table;
    table.reserve(static_cast<std::size_t>(c_.count));
    for (std::int32_t i = 0; !file.atEnd(i); ++i) {
        file.read(i, c_.cursor.record);
        table.push_back(c_.cursor.record);
    }
    records::sortByName(std::span(table).first(std::min(table.size(), static_cast<std::size_t>(c_.count))));
    replaceDataFile(c_, browser_, records::bytesOf(table));
    for (int i = 0; i < 3; ++i)
        c_.ports.feedback.beep();
}

} // namespace app
