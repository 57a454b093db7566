// SPDX-License-Identifier: GPL-3.0-or-later
#include "developer_tools.h"

#include "app/data_file_writes.h"
#include "app/messages.h"
#include "records/working_files.h"
#include "text/ansi.h"
#include "text/columns.h"
#include "text/file_lookup.h"
#include "text/io_error.h"
#include "text/numbers.h"
#include "text/text_file.h"

#include <malloc.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <stdexcept>
#include <string>

namespace app {
namespace {

// A whole number the maintainer typed, or the general error box's text.
std::int32_t wholeNumber(const std::string& answer)
{
    const text::WholeReading n = text::readWhole(answer);
    if (!n.ok)
        throw std::runtime_error("'" + answer + "'" + std::string(msg::kNotAnInteger));
    return n.value;
}

// A grid figure of the load file: its blanks removed, right-aligned in the field.
std::string gridFigure(std::string_view line, std::size_t first, std::size_t count)
{
    return text::padLeft(text::trimBlanks(text::columns(line, first, count)), 6);
}

// One line of the load file as a record: fixed columns, a short line giving
// short or empty fields.
records::ParishRecord loadedRecord(std::string_view line)
{
    using text::columns;
    return records::makeRecord({std::string(columns(line, 1, 45)), std::string(columns(line, 46, 1)),
                                std::string(columns(line, 47, 3)), std::string(columns(line, 50, 3)),
                                std::string(columns(line, 53, 6)), gridFigure(line, 59, 3), gridFigure(line, 62, 4)});
}

} // namespace

bool myToolsSetting(bool optionGiven)
{
    const char* variable = std::getenv("STEEPLEWATCHER_MY_TOOLS");
    return optionGiven || (variable != nullptr && std::string_view(variable) == "1");
}

void DeveloperTools::createTestFile()
{
    // A read-only data file stays as it is.
    if (!mayReplaceDataFile(c_))
        return;
    if (!c_.ports.dialogs.warningYesNo(std::string(msg::kCreateTestFileQuestion)))
        return;
    const std::string answer =
        c_.ports.dialogs.inputBox(std::string(msg::kCreateTestFileTitle), std::string(msg::kHowManyRecords), "1")
            .value_or("1");
    const std::int32_t wanted = std::max(wholeNumber(answer), 1);
    // The source is read whole before the data file is touched: without it nothing changes.
    const std::string source = text::readFile(text::filePath(c_.workingDirectory, files::kGoodCopy));
    const auto count = std::min<std::size_t>(static_cast<std::size_t>(wanted), source.size() / records::kRecordSize);
    try {
        BusyCursor busy(c_.ports.feedback);
        replaceDataFile(c_, browser_, std::string_view(source).substr(0, count * records::kRecordSize));
    } catch (const text::IoError&) {
        c_.message(msg::kCreateTestFileFailed);
        return;
    }
    c_.message(std::string(msg::kTestFileCreatedStart) + std::to_string(count) + std::string(msg::kTestFileCreatedEnd));
}

void DeveloperTools::convertData()
{
    // A read-only data file stays as it is.
    if (!mayReplaceDataFile(c_))
        return;
    if (!c_.ports.dialogs.infoYesNo(std::string(msg::kConvertDataQuestion)))
        return;
    const std::string load = text::readFile(text::filePath(c_.workingDirectory, files::kLoadFile));
    BusyCursor busy(c_.ports.feedback);
    std::string bytes;
    for (const std::string& line : text::splitLines(load)) {
        const records::ParishRecord r = loadedRecord(line);
        bytes.append(r.bytes.data(), r.bytes.size());
    }
    // Record 1 is shown; record 0 when it is the only one, empty views on an empty file.
    replaceDataFile(c_, browser_, bytes, 1);
}

void DeveloperTools::displayMemory()
{
    const struct mallinfo2 m = mallinfo2();
    const auto figure = [](std::size_t bytes) { return std::to_string(static_cast<std::uint64_t>(bytes)); };
    c_.message(std::string(msg::kTotalFree) + figure(m.fordblks + m.fsmblks) + std::string(msg::kBigFree)
               + figure(m.fordblks) + std::string(msg::kSmallFree) + figure(m.fsmblks));
    c_.message(std::string(msg::kAvailable) + figure(m.arena + m.hblkhd) + std::string(msg::kTotalAllocated)
               + figure(m.uordblks + m.hblkhd));
}

void DeveloperTools::batch()
{
    if (c_.ports.dialogs.warningYesNo(std::string(msg::kBatchQuestion)))
        return;
    if (!mayWriteDataFile(c_))
        return;
    {
        BusyCursor busy(c_.ports.feedback);
        records::DataFile& file = c_.cursor.file;
        std::string bytes;
        records::ParishRecord r;
        for (std::int32_t i = 0; !file.atEnd(i); ++i) {
            file.read(i, r);
            if (r.get(records::Field::County) == "MON")
                r.set(records::Field::Country, "WLS");
            bytes.append(r.bytes.data(), r.bytes.size());
        }
        // The corrected file replaces the old one whole; the record on show stays on show.
        replaceDataFile(c_, browser_, bytes, c_.cursor.position);
    }
    c_.view.Progress = msg::kDone;
}

} // namespace app
