// SPDX-License-Identifier: GPL-3.0-or-later
#include "record_maintenance.h"

#include "app/messages.h"
#include "text/file_replace.h"
#include "text/io_error.h"

#include <string>

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
    const records::DataFile& file = c_.cursor.file;
    if (file.isOpen() && file.hasPartialRecord()) {
        c_.message(msg::kDamagedDataFile);
        return false;
    }
    if (file.isOpen() && file.isReadOnly()) {
        c_.message(msg::kReadOnlyDataFile);
        return false;
    }
    return true;
}

void RecordMaintenance::amend()
{
    browser_.read(c_.cursor.position);
    // The maintainer's menu that would lift the protection is never shown.
    if (c_.cursor.record.isVersionRecord()) {
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
    // The maintainer's menu that would lift the protection is never shown.
    if (c_.cursor.record.isVersionRecord()) {
        c_.message(msg::kNotAllowedToDelete);
        return;
    }
    if (!c_.ports.dialogs.confirmYesNo(std::string(msg::kMarkQuestion)))
        return;
    browser_.read(c_.cursor.position);
    records::ParishRecord& r = c_.cursor.record;
    // Cut to the name's 45 characters: a full name loses its last one.
    r.set(records::Field::Name, std::string(1, kMark) + std::string(r.name()));
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

void RecordMaintenance::reopen(const std::filesystem::path& path)
{
    c_.cursor.file.open(path);
    browser_.countRecords();
    browser_.showFirstRecord();
    if (c_.count == 0) {
        // Nothing is left to show.
        browser_.clearSearchBoxes();
        browser_.clearViews();
    }
}

void RecordMaintenance::removeMarked()
{
    if (!mayWrite())
        return;
    if (!c_.ports.dialogs.warningYesNo(std::string(msg::kRemoveQuestion)))
        return;
    records::DataFile& file = c_.cursor.file;
    const std::filesystem::path path = file.path();
    {
        BusyCursor busy(c_.ports.feedback);
        std::string kept;
        std::int32_t read = 0;
        std::int32_t keptCount = 0;
        for (; !file.atEnd(read); ++read) {
            if (read > 0 && read % kProgressStep == 0)
                c_.showNow(c_.view.Progress, "Progress", std::to_string(read));
            file.read(read, c_.cursor.record);
            const records::ParishRecord& r = c_.cursor.record;
            if (!isMarked(r)) {
                kept.append(r.bytes.data(), r.bytes.size());
                ++keptCount;
            }
        }
        // The kept records replace the file whole, or the file stays as it was.
        // Either way the file on disk is opened again, so no later write can
        // go to the replaced one.
        try {
            text::replaceFile(path, kept);
        } catch (const text::IoError&) {
            reopen(path);
            throw;
        }
        reopen(path);
        if (file.sizeBytes() != static_cast<std::int64_t>(kept.size()) || c_.count != keptCount)
            throw text::IoError("Parishes.Dat was not written whole");
    }
    c_.message(msg::kMarkedRemoved);
}

} // namespace app
