#include "map_files.h"

#include "maps/map_list_conversion.h"
#include "text/numbers.h"
#include "text/text_file.h"

namespace tools {
namespace {

// Why the line is no sheet, or "" for a good one.
std::string fault(std::string_view line)
{
    if (line.size() < maps::kMapListLineWidth || line.size() > maps::kMapListLineWidth)
        return "a sheet line has exactly 20 characters";
    maps::MapSheetRecord sheet = maps::mapSheetFromLine(line);
    using maps::SheetField;
    std::string_view series = sheet.get(SheetField::SeriesCode), flag = sheet.get(SheetField::InsetFlag);
    if (series != "LR" && series != "DI")
        return "unknown series";
    if (flag != "N" && flag != "I")
        return "the inset flag is neither N nor I";
    int edge[4];
    const SheetField edges[4] = {SheetField::WestKm, SheetField::SouthKm, SheetField::EastKm, SheetField::NorthKm};
    for (int i = 0; i < 4; ++i) {
        text::WholeReading r = text::readWhole(sheet.get(edges[i]));
        if (!r.ok || r.value < 0)
            return "an edge is not a whole number of km";
        edge[i] = r.value;
    }
    if (edge[0] >= edge[2] || edge[1] >= edge[3])
        return "the sheet has no area";
    if (series == "LR" && flag == "N" && (edge[0] + 40 != edge[2] || edge[1] + 40 != edge[3]))
        return "an ordinary Landranger sheet is 40 km square";
    return "";
}

} // namespace

std::string mapListText(std::string_view sourceText, std::string_view sourceName, std::vector<BadRow>& bad)
{
    std::vector<std::string> out;
    int lineNumber = 0;
    for (const std::string& line : text::splitLines(sourceText)) {
        ++lineNumber;
        std::string why = fault(line);
        if (why.empty())
            out.push_back(line);
        else
            bad.push_back({std::string(sourceName), lineNumber, why + ": \"" + line + "\"", ""});
    }
    return text::joinLines(out);
}

} // namespace tools
