// SPDX-License-Identifier: GPL-3.0-or-later
#include "csv_import.h"

#include "app/data_file_writes.h"
#include "app/messages.h"
#include "records/csv_record.h"
#include "text/import_text.h"
#include "text/text_file.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace app {
namespace {

// The line numbers named in the message about skipped lines; more are counted.
constexpr std::size_t kLinesNamed = 20;

std::string unstorableMessage(int line, char32_t c)
{
    char code[16];
    std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(c));
    return std::string(msg::kUnstorableStart) + std::to_string(line) + std::string(msg::kUnstorableMiddle) + code
           + std::string(msg::kUnstorableEnd);
}

std::string skippedMessage(const std::vector<int>& lines)
{
    std::string text(msg::kShortLinesSkipped);
    for (std::size_t i = 0; i < lines.size() && i < kLinesNamed; ++i)
        text += (i > 0 ? ", " : "") + std::to_string(lines[i]);
    if (lines.size() > kLinesNamed)
        text += " and " + std::to_string(lines.size() - kLinesNamed) + " more";
    return text + ".";
}

} // namespace

void CsvImport::importCsv()
{
    if (!mayWriteDataFile(c_))
        return;
    if (!c_.ports.dialogs.confirmYesNo(std::string(msg::kImportQuestion)))
        return;
    const std::optional<std::filesystem::path> chosen =
        c_.ports.dialogs.openFile(std::string(msg::kOpenTitle), std::string(msg::kCsvFilter));
    if (!chosen)
        return;
    const text::ImportText csv = text::importTextAsCp1252(text::readFile(*chosen));
    if (csv.badLine != 0) {
        c_.message(unstorableMessage(csv.badLine, csv.badChar));
        return;
    }
    // Every line is read before anything is written. Empty lines are passed
    // over; a line with fewer than seven fields is named afterwards.
    std::vector<records::ParishRecord> added;
    added.reserve(static_cast<std::size_t>(std::count(csv.cp1252.begin(), csv.cp1252.end(), '\n')) + 1);
    std::vector<int> skipped;
    std::string_view rest = csv.cp1252;
    for (int number = 1; !rest.empty(); ++number) {
        const std::string_view line = text::takeLine(rest);
        if (line.empty())
            continue;
        if (std::optional<records::ParishRecord> record = records::recordFromCsvLine(line))
            added.push_back(*record);
        else
            skipped.push_back(number);
    }

    c_.ports.feedback.beep();
    {
        BusyCursor busy(c_.ports.feedback);
        records::DataFile& file = c_.cursor.file;
        file.append(added);
        c_.count += static_cast<std::int32_t>(added.size());
        browser_.clearSearchBoxes();
        // The last record appended, or the last of the file when none was.
        const auto last =
            static_cast<std::int32_t>(file.sizeBytes() / static_cast<std::int64_t>(records::kRecordSize)) - 1;
        if (last < 0)
            browser_.clearViews();
        else
            browser_.showRecordAt(last);
    }
    for (int i = 0; i < 3; ++i)
        c_.ports.feedback.beep();
    if (!skipped.empty())
        c_.message(skippedMessage(skipped));
}

} // namespace app
