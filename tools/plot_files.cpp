#include "plot_files.h"

#include "grid_square.h"
#include "place_names.h"
#include "text/columns.h"
#include "text/numbers.h"
#include "text/text_file.h"

#include <optional>

namespace tools {
namespace {

constexpr std::size_t kPlaceNameWidth = 25;

// A whole number of km in the columns, on the grid's lettered squares.
std::optional<int> km(std::string_view field)
{
    text::WholeReading r = text::readWhole(field);
    if (!r.ok || r.value < 0)
        return std::nullopt;
    return r.value;
}

bool onGrid(int e, int n, bool irish)
{
    return !gridSquare(e, n, irish).empty();
}

std::string position(int e, int n)
{
    return text::padLeft(std::to_string(e), 6) + text::padLeft(std::to_string(n), 6);
}

} // namespace

std::string coastlineFile(std::string_view sourceText, std::string_view sourceName, bool irishGrid,
                          std::vector<BadRow>& bad)
{
    std::vector<std::string> out;
    int lineNumber = 0;
    for (const std::string& line : text::splitLines(sourceText)) {
        ++lineNumber;
        auto e = km(text::columns(line, 1, 6)), n = km(text::columns(line, 7, 6));
        if (!e || !n || line.size() > 12 || !onGrid(*e, *n, irishGrid)) {
            bad.push_back({std::string(sourceName), lineNumber, "not a vertex on the grid: \"" + line + "\"", ""});
            continue;
        }
        out.push_back(position(*e, *n));
    }
    return text::joinLines(out);
}

std::string placeFile(std::string_view sourceText, std::string_view sourceName, bool irishGrid,
                      std::vector<BadRow>& bad)
{
    std::vector<std::string> out;
    int lineNumber = 0;
    for (const std::string& line : text::splitLines(sourceText)) {
        ++lineNumber;
        StoredName name = storedName(text::columns(line, 1, kPlaceNameWidth));
        auto e = km(text::columns(line, 26, 6)), n = km(text::columns(line, 32, 6));
        if (!name.ok || name.text.empty() || !e || !n || line.size() > 37 || !onGrid(*e, *n, irishGrid)) {
            bad.push_back({std::string(sourceName), lineNumber, "not a place on the grid: \"" + line + "\"", ""});
            continue;
        }
        out.push_back(text::padRight(name.text, kPlaceNameWidth) + position(*e, *n));
    }
    return text::joinLines(out);
}

} // namespace tools
