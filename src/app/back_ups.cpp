// SPDX-License-Identifier: GPL-3.0-or-later
#include "back_ups.h"

#include "app/data_file_writes.h"
#include "app/messages.h"
#include "records/working_files.h"
#include "text/file_lookup.h"
#include "text/file_replace.h"
#include "text/io_error.h"
#include "text/text_file.h"

#include <string>

namespace app {
namespace {

// A copy of the data file holds whole records; anything else is not one.
void requireWholeRecords(const std::string& bytes)
{
    if (bytes.size() % records::kRecordSize != 0)
        throw text::IoError("not a whole number of records");
}

} // namespace

std::optional<std::filesystem::path> BackUps::disk()
{
    std::optional<std::filesystem::path> folder = c_.ports.platform.backUpFolder();
    std::error_code ec;
    if (!folder || !std::filesystem::is_directory(*folder, ec)) {
        c_.message(msg::kNoDisk);
        return std::nullopt;
    }
    return folder;
}

void BackUps::failed(std::string_view message)
{
    c_.message(message);
    c_.ports.feedback.beep();
    c_.ports.feedback.beep();
}

void BackUps::backUp()
{
    // A damaged data file must not replace a good back-up.
    if (!mayCopyDataFile(c_))
        return;
    if (!c_.ports.dialogs.confirmOkCancel(std::string(msg::kBackUpStart)))
        return;
    const std::optional<std::filesystem::path> folder = disk();
    if (!folder)
        return;
    const std::optional<std::filesystem::path> existing = text::findFile(*folder, files::kBackUp);
    if (existing && !c_.ports.dialogs.warningYesNo(std::string(msg::kOverwriteBackUp)))
        return;
    BusyCursor busy(c_.ports.feedback);
    try {
        c_.cursor.file.flush();
        const std::string bytes = text::readFile(c_.cursor.file.path());
        requireWholeRecords(bytes);
        text::replaceFile(existing.value_or(*folder / files::kBackUp), bytes);
    } catch (const text::IoError&) {
        failed(msg::kBackUpFailed);
        return;
    }
    c_.message(msg::kBackUpDone);
}

void BackUps::restore()
{
    // A damaged data file is what a restore is for; a read-only one stays as it is.
    if (!mayReplaceDataFile(c_))
        return;
    if (!c_.ports.dialogs.confirmOkCancel(std::string(msg::kRestoreStart)))
        return;
    const std::optional<std::filesystem::path> folder = disk();
    if (!folder)
        return;
    BusyCursor busy(c_.ports.feedback);
    const std::optional<std::filesystem::path> backUp = text::findFile(*folder, files::kBackUp);
    if (!backUp) {
        c_.message(msg::kNoBackUpFile);
        return;
    }
    try {
        const std::string bytes = text::readFile(*backUp);
        requireWholeRecords(bytes);
        replaceDataFile(c_, browser_, bytes);
    } catch (const text::IoError&) {
        failed(msg::kRestoreFailed);
        return;
    }
    c_.message(msg::kRestoreDone);
}

} // namespace app
