#include "csv_convert.h"

#include "text/columns.h"
#include "text/text_file.h"

#include <array>

namespace reports {

namespace {

struct Cut {
    std::size_t first, count;
};

struct Layout {
    std::size_t width; // every field lies within this many columns
    std::size_t headingLinesAfter; // lines skipped after the recognised one
    std::array<Cut, 7> fields;
};

constexpr Layout kRadius{96, 8, {{{4, 45}, {50, 1}, {52, 3}, {56, 3}, {60, 6}, {66, 6}, {72, 20}}}};
// Easting and northing keep their last three and four characters.
constexpr Layout kList{83, 2, {{{7, 45}, {53, 1}, {55, 3}, {59, 3}, {63, 6}, {73, 3}, {79, 4}}}};

constexpr bool fieldsWithinWidth(const Layout& layout)
{
    for (const Cut& cut : layout.fields)
        if (cut.first == 0 || cut.first - 1 + cut.count > layout.width)
            return false;
    return true;
}
static_assert(fieldsWithinWidth(kRadius) && fieldsWithinWidth(kList));

const Layout& layoutOf(ReportKind kind)
{
    return kind == ReportKind::Radius ? kRadius : kList;
}

// Columns 7 to 12 of a heading line name the kind of report.
std::optional<ReportKind> kindOf(std::string_view line)
{
    if (line.size() < 12)
        return std::nullopt;
    std::string_view mark = line.substr(6, 6);
    if (mark == "Steepl")
        return ReportKind::Radius;
    if (mark == "County" || mark == "Search")
        return ReportKind::List;
    return std::nullopt;
}

// Reads lines as a text file reader does: a line ends at CR LF, CR or LF,
// and a read at the end gives an empty line.
class LineReader {
public:
    explicit LineReader(std::string_view text) : rest_(text) {}
    bool atEnd() const { return rest_.empty(); }
    std::string_view next() { return text::takeLine(rest_); }

private:
    std::string_view rest_;
};

} // namespace

void appendCsvLine(std::string& out, std::string_view reportLine, ReportKind kind)
{
    // Every cut lies within the layout's width, so a short line reads as if
    // extended with blanks: each field is what the line holds, then blanks.
    for (const Cut& cut : layoutOf(kind).fields) {
        const std::string_view held = text::columns(reportLine, cut.first, cut.count);
        out += '"';
        out += held;
        out.append(cut.count - held.size(), ' ');
        out += "\",";
    }
}

std::string csvLine(std::string_view reportLine, ReportKind kind)
{
    std::string out;
    appendCsvLine(out, reportLine, kind);
    return out;
}

std::optional<std::string> reportToCsv(std::string_view reportText)
{
    LineReader in(reportText);
    std::optional<ReportKind> kind;
    while (!kind) {
        if (in.atEnd())
            return std::nullopt;
        kind = kindOf(in.next());
    }
    for (std::size_t i = 0; i < layoutOf(*kind).headingLinesAfter; ++i)
        in.next();
    std::string out;
    out.reserve(reportText.size() + reportText.size() / 4);
    // At least one line is converted, even when the file ends after its heading.
    do {
        appendCsvLine(out, in.next(), *kind);
        out += "\r\n";
    } while (!in.atEnd());
    return out;
}

} // namespace reports
