#include "coast_rings.h"

#include "csv_table.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <map>
#include <utility>

namespace tools {
namespace {

double number(const CsvRow& row, std::size_t column, std::string_view what)
{
    const std::string& text = row.fields[column];
    double value = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size() || !std::isfinite(value))
        throw SourceError(std::string(kCoastRingsFile) + " line " + std::to_string(row.line) + ": " + std::string(what)
                          + " \"" + text + "\" is not a number");
    return value;
}

bool insideRing(const std::vector<GridPoint>& ring, double e, double n)
{
    bool in = false;
    for (std::size_t i = 0, j = ring.size() - 1; i < ring.size(); j = i++) {
        const GridPoint& a = ring[i];
        const GridPoint& b = ring[j];
        if ((a.northing > n) != (b.northing > n)
            && e < a.easting + (n - a.northing) * (b.easting - a.easting) / (b.northing - a.northing))
            in = !in;
    }
    return in;
}

double segmentDistance(const GridPoint& a, const GridPoint& b, double e, double n)
{
    const double de = b.easting - a.easting, dn = b.northing - a.northing;
    const double length2 = de * de + dn * dn;
    double t = length2 == 0 ? 0 : ((e - a.easting) * de + (n - a.northing) * dn) / length2;
    t = std::clamp(t, 0.0, 1.0);
    return std::hypot(e - a.easting - t * de, n - a.northing - t * dn);
}

} // namespace

Land Land::read(std::string_view csvText)
{
    const CsvTable table = CsvTable::parse(csvText, kCoastRingsFile);
    const std::size_t grid = table.column("grid"), ring = table.column("ring"), east = table.column("e_km"),
                      north = table.column("n_km");
    std::map<std::pair<bool, std::string>, std::size_t> ringOf;
    Land land;
    for (const CsvRow& row : table.rows()) {
        if (row.fields.size() != table.columnCount() || (row.fields[grid] != "BNG" && row.fields[grid] != "IG"))
            throw SourceError(std::string(kCoastRingsFile) + " line " + std::to_string(row.line)
                              + ": not a vertex of a BNG or IG ring");
        const bool irish = row.fields[grid] == "IG";
        auto [it, added] = ringOf.try_emplace({irish, row.fields[ring]}, land.rings_.size());
        if (added)
            land.rings_.push_back(Ring{.irishGrid = irish, .points = {}});
        land.rings_[it->second].points.push_back(
            {number(row, east, "easting") * 1000, number(row, north, "northing") * 1000});
    }
    for (Ring& r : land.rings_) {
        if (r.points.size() < 3)
            throw SourceError(std::string(kCoastRingsFile) + ": a ring of fewer than three vertices");
        auto [minE, maxE] = std::minmax_element(r.points.begin(), r.points.end(),
                                                [](auto& a, auto& b) { return a.easting < b.easting; });
        auto [minN, maxN] = std::minmax_element(r.points.begin(), r.points.end(),
                                                [](auto& a, auto& b) { return a.northing < b.northing; });
        r.minE = minE->easting;
        r.maxE = maxE->easting;
        r.minN = minN->northing;
        r.maxN = maxN->northing;
    }
    return land;
}

double Land::metresOffLand(double e, double n, bool irishGrid) const
{
    for (const Ring& r : rings_)
        if (r.irishGrid == irishGrid && e >= r.minE && e <= r.maxE && n >= r.minN && n <= r.maxN
            && insideRing(r.points, e, n))
            return 0;
    double best = std::numeric_limits<double>::infinity();
    for (const Ring& r : rings_) {
        if (r.irishGrid != irishGrid || e < r.minE - best || e > r.maxE + best || n < r.minN - best
            || n > r.maxN + best)
            continue;
        for (std::size_t i = 0, j = r.points.size() - 1; i < r.points.size(); j = i++)
            best = std::min(best, segmentDistance(r.points[j], r.points[i], e, n));
    }
    return best;
}

} // namespace tools
