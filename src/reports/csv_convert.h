#pragma once
// ParList.csv from ParList.txt: the kind of report is recognised from its
// heading, and every line after the heading is cut at the fixed columns of
// that kind into seven quoted fields, each followed by a comma.
#include <optional>
#include <string>
#include <string_view>

namespace reports {

enum class ReportKind { Radius, List };

// The CSV text (CR LF lines), or nothing when no line tells the kind of report.
std::optional<std::string> reportToCsv(std::string_view reportText);

// One report line of a known kind as one CSV line (without its line end).
std::string csvLine(std::string_view reportLine, ReportKind kind);
// The same, added to the end of out.
void appendCsvLine(std::string& out, std::string_view reportLine, ReportKind kind);

} // namespace reports
