#include "list_report.h"

#include "text/ansi.h"
#include "text/columns.h"

#include <algorithm>
#include <array>

namespace reports {

namespace {

constexpr std::string_view kEol = "\r\n";
constexpr std::string_view kIndent = "      ";
constexpr std::int32_t kProgressStep = 1000;
constexpr std::size_t kKeyLength = 45;

void addLine(std::string& out, std::string_view line)
{
    out += line;
    out += kEol;
}

// Runs the scan shared by both reports: lists every record that wanted accepts.
template <class Wanted>
std::int32_t scan(records::RecordCursor& cursor, ListProgress& progress, std::string& out, Wanted wanted)
{
    std::int32_t read = 0, listed = 0;
    auto& [file, position, buffer] = cursor;
    for (position = 0; !file.atEnd(position); ++position) {
        file.read(position, buffer);
        ++read;
        if (wanted(buffer)) {
            appendListLine(out, buffer);
            out += kEol;
            ++listed;
        }
        if (read % kProgressStep == 0)
            progress.progress(read, listed);
    }
    return listed;
}

} // namespace

void appendListLine(std::string& out, const records::ParishRecord& record)
{
    using records::Field;
    // Put together in a buffer of the longest line, then added in one step:
    // a report of thousands of lines is mostly these appends.
    std::array<char, kIndent.size() + 46 + records::kRecordSize> line;
    std::fill_n(line.begin(), kIndent.size() + 46, ' ');
    std::size_t at = kIndent.size();
    const std::string_view name = record.name();
    std::copy(name.begin(), name.end(), line.begin() + static_cast<std::ptrdiff_t>(at));
    at = std::max(at + name.size() + 1, kIndent.size() + 46);
    for (Field f : {Field::Type, Field::County, Field::Country, Field::OSRef, Field::Easting, Field::Northing}) {
        const std::string_view value = record.get(f);
        std::copy(value.begin(), value.end(), line.begin() + static_cast<std::ptrdiff_t>(at));
        at += value.size();
        line[at++] = ' ';
    }
    out.append(line.data(), at);
}

std::string listLine(const records::ParishRecord& record)
{
    std::string line;
    appendListLine(line, record);
    return line;
}

ListOutcome listCounty(records::RecordCursor& cursor, std::string_view county, ListProgress& progress)
{
    ListOutcome out;
    std::string& r = out.report;
    addLine(r, " ");
    addLine(r, std::string(kIndent) + "County of " + std::string(county) + " - List of Parishes.");
    addLine(r, std::string(kIndent) + std::string(36, '='));
    addLine(r, " ");
    const bool every = county == "***";
    out.listed = scan(cursor, progress, r, [&](const records::ParishRecord& rec) {
        if (every)
            return true;
        std::string_view stored = rec.get(records::Field::County);
        if (stored.size() != county.size())
            return false;
        for (std::size_t i = 0; i < stored.size(); ++i)
            if (text::ansiUpper(stored[i]) != county[i])
                return false;
        return true;
    });
    addLine(r, " ");
    addLine(r, " ");
    addLine(r, std::string(kIndent) + std::to_string(out.listed) + " Records Listed for  " + std::string(county)
                   + " County");
    return out;
}

ListOutcome listMatching(records::RecordCursor& cursor, std::string_view searchText, ListProgress& progress)
{
    ListOutcome out;
    std::string shown(text::trimBlanks(searchText));
    const std::string pattern = text::ansiUpper(shown).substr(0, kKeyLength);
    std::string& r = out.report;
    addLine(r, " ");
    addLine(r, std::string(kIndent) + "Search String \"" + shown + "\" - List of Parishes.");
    addLine(r, std::string(kIndent) + std::string(41, '='));
    addLine(r, " ");
    out.listed = scan(cursor, progress, r, [&](const records::ParishRecord& rec) {
        if (pattern.empty())
            return false;
        // The pattern has no blank at either end, so it can only be found in the
        // name's own text: the name needs neither trimming nor a folded copy.
        return text::containsFolded(rec.name(), pattern);
    });
    addLine(r, " ");
    addLine(r, " ");
    addLine(r, std::string(kIndent) + std::to_string(out.listed) + " Records Listed matching Search String \"" + shown
                   + "\" ");
    return out;
}

} // namespace reports
