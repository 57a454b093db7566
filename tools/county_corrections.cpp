#include "county_corrections.h"

#include <algorithm>
#include <cstdlib>
#include <map>

namespace tools {
namespace {

constexpr BoroughCounties kBoroughs[] = {
    // Greater Manchester
    {"Manchester", "LAN", "LAN|CHS"},
    {"City and Borough of Salford", "LAN", "LAN"},
    {"Trafford", "LAN", "LAN|CHS"},
    {"Borough of Stockport", "CHS", "CHS|LAN"},
    {"Borough of Tameside", "LAN", "LAN|CHS|YKS"},
    {"Borough of Oldham", "LAN", "LAN|YKS"},
    {"Borough of Rochdale", "LAN", "LAN|YKS"},
    {"Borough of Bury", "LAN", "LAN"},
    {"Borough of Bolton", "LAN", "LAN"},
    {"Borough of Wigan", "LAN", "LAN"},
    // Merseyside
    {"Liverpool", "LAN", "LAN"},
    {"Knowsley", "LAN", "LAN"},
    {"Sefton", "LAN", "LAN"},
    {"St. Helens", "LAN", "LAN"},
    {"Metropolitan Borough of Wirral", "CHS", "CHS"},
    // Tyne and Wear
    {"Newcastle upon Tyne", "NBL", "NBL"},
    {"North Tyneside", "NBL", "NBL"},
    {"Gateshead", "DUR", "DUR"},
    {"South Tyneside", "DUR", "DUR"},
    {"Sunderland", "DUR", "DUR"},
    // West Midlands
    {"City and Borough of Birmingham", "WAR", "WAR|STS|WOR"},
    {"Coventry", "WAR", "WAR"},
    {"Solihull", "WAR", "WAR|WOR"},
    {"Dudley", "WOR", "WOR|STS"},
    {"Sandwell", "STS", "STS|WOR"},
    {"Walsall", "STS", "STS"},
    {"Wolverhampton", "STS", "STS"},
    // Teesside
    {"Stockton-on-Tees", "DUR", "DUR|YKS"},
    {"Hartlepool", "DUR", "DUR"},
    {"Middlesbrough", "YKS", "YKS"},
    {"Redcar and Cleveland", "YKS", "YKS"},
};

bool listHolds(std::string_view list, std::string_view code)
{
    for (std::size_t start = 0;;) {
        std::size_t bar = list.find('|', start);
        if (list.substr(start, bar - start) == code)
            return true;
        if (bar == std::string_view::npos)
            return false;
        start = bar + 1;
    }
}

const BoroughCounties* boroughOf(std::string_view area)
{
    for (const BoroughCounties& b : kBoroughs)
        if (b.area == area)
            return &b;
    return nullptr;
}

// The nearest of a set of GeoNames places on the British grid, found through 10 km cells.
class NearestPlace {
public:
    explicit NearestPlace(const std::vector<const SourcePlace*>& anchors)
    {
        for (const SourcePlace* a : anchors)
            cells_[{a->easting / kCell, a->northing / kCell}].push_back(a);
    }

    // Equal distances keep the earlier line; nothing when no anchor lies within 100 km.
    const SourcePlace* near(int e, int n) const
    {
        const SourcePlace* best = nullptr;
        long bestSquared = 0;
        for (int ring = 0; ring <= kMaxRings; ++ring) {
            for (int dx = -ring; dx <= ring; ++dx)
                for (int dy = -ring; dy <= ring; ++dy) {
                    if (std::max(std::abs(dx), std::abs(dy)) != ring)
                        continue;
                    auto cell = cells_.find({e / kCell + dx, n / kCell + dy});
                    if (cell == cells_.end())
                        continue;
                    for (const SourcePlace* a : cell->second) {
                        long d = long(a->easting - e) * (a->easting - e) + long(a->northing - n) * (a->northing - n);
                        if (!best || d < bestSquared || (d == bestSquared && a->line < best->line)) {
                            best = a;
                            bestSquared = d;
                        }
                    }
                }
            // Anything in a farther ring is at least ring * kCell away.
            const long reach = long(ring) * kCell;
            if (best && bestSquared <= reach * reach)
                return best;
        }
        return best;
    }

private:
    static constexpr int kCell = 10;
    static constexpr int kMaxRings = 10;
    std::map<std::pair<int, int>, std::vector<const SourcePlace*>> cells_;
};

std::vector<const SourcePlace*> englishGeoNames(const std::vector<SourcePlace>& geoNames, bool herefordOrWorcester)
{
    std::vector<const SourcePlace*> out;
    for (const SourcePlace& g : geoNames)
        if (g.country == "ENG" && (!herefordOrWorcester || g.county == "Herefordshire" || g.county == "Worcestershire"))
            out.push_back(&g);
    return out;
}

} // namespace

std::span<const BoroughCounties> boroughCounties()
{
    return kBoroughs;
}

CountyCorrections correctCounties(std::vector<Place>& places, const std::vector<SourcePlace>& geoNames)
{
    CountyCorrections done;
    NearestPlace herefordOrWorcester(englishGeoNames(geoNames, true));
    NearestPlace english(englishGeoNames(geoNames, false));
    for (Place& p : places) {
        if (p.origin != Origin::EnglandList || p.countyConfirmed || p.country != "ENG")
            continue;
        if (p.county == "WOR") {
            const SourcePlace* nearest = herefordOrWorcester.near(p.easting, p.northing);
            if (nearest && nearest->county == "Herefordshire") {
                p.county = "HEF";
                ++done.toHerefordshire;
                continue;
            }
        }
        const SourcePlace* nearest = english.near(p.easting, p.northing);
        const BoroughCounties* borough = nearest ? boroughOf(nearest->county) : nullptr;
        if (borough && !listHolds(borough->possible, p.county)) {
            p.county = std::string(borough->main);
            ++done.impossible;
        }
    }
    return done;
}

} // namespace tools
