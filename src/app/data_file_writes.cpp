// SPDX-License-Identifier: GPL-3.0-or-later
#include "data_file_writes.h"

#include "app/messages.h"
#include "text/file_replace.h"
#include "text/io_error.h"

#include <algorithm>

namespace app {

bool mayCopyDataFile(MainContext& c)
{
    if (c.cursor.file.isOpen() && c.cursor.file.hasPartialRecord()) {
        c.message(msg::kDamagedDataFile);
        return false;
    }
    return true;
}

bool mayReplaceDataFile(MainContext& c)
{
    if (c.cursor.file.isOpen() && c.cursor.file.isReadOnly()) {
        c.message(msg::kReadOnlyDataFile);
        return false;
    }
    return true;
}

bool mayWriteDataFile(MainContext& c)
{
    return mayCopyDataFile(c) && mayReplaceDataFile(c);
}

void reopenDataFile(MainContext& c, RecordBrowser& browser, std::int32_t index)
{
    records::DataFile& file = c.cursor.file;
    file.open(std::filesystem::path(file.path()));
    browser.countRecords();
    const auto whole = static_cast<std::int32_t>(file.sizeBytes() / static_cast<std::int64_t>(records::kRecordSize));
    if (whole == 0) {
        c.cursor.position = 0;
        browser.clearSearchBoxes();
        browser.clearViews();
        return;
    }
    browser.showRecordAt(std::clamp(index, 0, whole - 1));
}

void replaceDataFile(MainContext& c, RecordBrowser& browser, std::string_view content, std::int32_t index)
{
    records::DataFile& file = c.cursor.file;
    try {
        text::replaceFile(file.path(), content);
    } catch (const text::IoError&) {
        reopenDataFile(c, browser, c.cursor.position);
        throw;
    }
    reopenDataFile(c, browser, index);
    if (file.sizeBytes() != static_cast<std::int64_t>(content.size()))
        throw text::IoError("Parishes.Dat was not written whole");
}

} // namespace app
