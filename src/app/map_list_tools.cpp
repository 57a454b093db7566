// SPDX-License-Identifier: GPL-3.0-or-later
#include "map_list_tools.h"

#include "app/messages.h"
#include "app/text_lines.h"
#include "maps/map_list_conversion.h"
#include "records/working_files.h"
#include "text/columns.h"
#include "text/file_lookup.h"
#include "text/io_error.h"
#include "text/numbers.h"
#include "text/text_file.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <vector>

namespace app {
namespace {

constexpr std::int32_t kProgressStep = 1000;

// One line of Maplist.txt cut at its columns, without padding: a short line
// gives short or empty fields, and each edge reads its leading whole number.
struct SheetLine {
    explicit SheetLine(std::string_view line)
        : series(text::columns(line, 1, 2)), inset(text::columns(line, 13, 1)),
          west(text::leadingInteger(text::columns(line, 6, 3))), south(text::leadingInteger(text::columns(line, 9, 4))),
          east(text::leadingInteger(text::columns(line, 14, 3))),
          north(text::leadingInteger(text::columns(line, 17, 4)))
    {
    }
    std::string_view series;
    std::string_view inset;
    std::int32_t west, south, east, north;

    // The number of the sheet checks this line fails.
    int errors() const
    {
        // Widened: the sums must not overflow whatever the line holds.
        const std::int64_t w = west, s = south, e = east, n = north;
        const bool ordinary = series == "LR" && inset == "N";
        return int(inset != "N" && inset != "I") + int(w >= e) + int(s >= n) + int(w + 42 < e) + int(s + 42 < n)
               + int(series != "LR" && series != "DI") + int(ordinary && w + 40 != e) + int(ordinary && s + 40 != n);
    }
    bool contains(std::int32_t easting, std::int32_t northing) const
    {
        return west <= easting && easting <= east && south <= northing && northing <= north;
    }
};

} // namespace

void MapListTools::convertMapData()
{
    if (!c_.ports.dialogs.infoYesNo(std::string(msg::kConvertMapDataQuestion)))
        return;
    const std::optional<std::filesystem::path> source = text::findFile(c_.workingDirectory, files::kMapListText);
    if (!source)
        text::throwIoError(ENOENT);
    {
        BusyCursor busy(c_.ports.feedback);
        const std::string bytes = maps::convertMapList(text::readFile(*source));
        text::replaceFile(text::filePath(c_.workingDirectory, files::kMapList), bytes);
    }
    c_.message(msg::kJobDone);
}

std::optional<std::string> MapListTools::checkStart()
{
    if (c_.ports.dialogs.warningYesNo(std::string(msg::kMapCheckQuestion)))
        return std::nullopt;
    const std::optional<std::filesystem::path> source = text::findFile(c_.workingDirectory, files::kMapListText);
    if (!source) {
        c_.message(msg::kNoMapListText);
        return std::nullopt;
    }
    return text::readFile(*source);
}

void MapListTools::finish(const std::vector<std::string>& findings)
{
    text::replaceFile(text::filePath(c_.workingDirectory, files::kErrorList), text::joinLines(findings),
                      text::Sync::Lazy);
    c_.message(msg::kJobFinished);
    std::vector<std::string> lines;
    if (loadLines(c_.workingDirectory, files::kErrorList, lines))
        myText_.showLines(std::move(lines));
}

void MapListTools::verifyMapList()
{
    const std::optional<std::string> source = checkStart();
    if (!source)
        return;
    std::vector<std::string> findings;
    const std::vector<std::string> lines = text::splitLines(*source);
    for (const std::string& line : lines)
        if (const int errors = SheetLine(line).errors(); errors > 0)
            findings.push_back(line + std::string(msg::kHasErrorsMiddle) + std::to_string(errors)
                               + std::string(msg::kHasErrorsEnd));
    findings.push_back(std::string(msg::kRecordCount) + std::to_string(lines.size()));
    finish(findings);
}

void MapListTools::mapCheck()
{
    const std::optional<std::string> source = checkStart();
    if (!source)
        return;
    // The Landranger sheets, read once for the whole pass.
    std::vector<SheetLine> sheets;
    for (std::string_view rest = *source; !rest.empty();)
        if (SheetLine sheet(text::takeLine(rest)); sheet.series == "LR")
            sheets.push_back(sheet);
    std::vector<std::string> findings;
    {
        BusyCursor busy(c_.ports.feedback);
        records::DataFile& file = c_.cursor.file;
        records::ParishRecord r; // the cursor and the record on show stay as they are
        using F = records::Field;
        for (std::int32_t i = 0; !file.atEnd(i); ++i) {
            if (i > 0 && i % kProgressStep == 0)
                c_.showNow(c_.view.Progress, "Progress", std::to_string(i));
            file.read(i, r);
            if (r.isIrish())
                continue;
            const std::int32_t easting = text::leadingInteger(r.get(F::Easting));
            const std::int32_t northing = text::leadingInteger(r.get(F::Northing));
            const bool onASheet = std::any_of(sheets.begin(), sheets.end(),
                                              [&](const SheetLine& s) { return s.contains(easting, northing); });
            if (!onASheet)
                findings.push_back(std::string(r.name()) + " " + std::string(r.get(F::Type)) + " "
                                   + std::string(r.get(F::County)) + " " + std::string(r.get(F::Country)) + " "
                                   + std::string(r.get(F::OSRef)) + std::string(r.get(F::Easting))
                                   + std::string(r.get(F::Northing)));
        }
    }
    c_.view.Progress = msg::kDone;
    finish(findings);
}

} // namespace app
