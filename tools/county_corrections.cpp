#include "county_corrections.h"

#include "csv_table.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <map>

namespace tools {
namespace {

constexpr HandCorrection kHandCorrections[] = {
    {"Holme", "DBY", 411, 402, "YKS", "Holme near Holmfirth, in the West Riding"},
    {"Milton Keynes Village", "BDF", 489, 238, "BKM", "the old village of Milton Keynes, Buckinghamshire"},
    {"Newcastle Emlyn", "CGN", 230, 240, "CMN", "on the Carmarthenshire bank of the Teifi (Adpar, across it, is CGN)"},
    {"Burton in Kendal", "CUL", 353, 474, "WES", "Westmorland; its nearest 1680 place is Dalton, Lancashire"},
    {"Sandside", "CUL", 348, 480, "WES", "in Heversham, Westmorland"},
    {"Far Arnside", "CUL", 344, 476, "WES", "in Arnside, Westmorland"},
    {"Hartbarrow", "CUL", 340, 490, "LAN", "in Cartmel Fell, Lancashire"},
    {"Yealand Storrs", "LAN", 349, 476, "LAN",
     "in Yealand Conyers, Lancashire; its nearest 1680 places are Westmorland's"},
};

constexpr std::string_view kNorthWestCounties[] = {"CUL", "WES", "LAN", "YKS"};

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

// Rule 3: the counties of the nearest Index Villaris places.
class VillarisCounties {
public:
    explicit VillarisCounties(const std::vector<SourcePlace>& villaris)
    {
        for (const SourcePlace& v : villaris)
            if (v.country == "ENG")
                cells_[{cellOf(v.eastM), cellOf(v.northM)}].push_back(&v);
    }
    // The counties of the `count` nearest within reachM, nearest first (equal distances: the earlier line first).
    std::vector<std::string_view> nearest(double e, double n, std::size_t count, double reachM) const
    {
        std::vector<std::pair<double, const SourcePlace*>> near;
        const int reach = static_cast<int>(std::ceil(reachM / kCellM));
        for (int dx = -reach; dx <= reach; ++dx)
            for (int dy = -reach; dy <= reach; ++dy)
                if (auto cell = cells_.find({cellOf(e) + dx, cellOf(n) + dy}); cell != cells_.end())
                    for (const SourcePlace* v : cell->second)
                        if (double d = std::hypot(v->eastM - e, v->northM - n); d <= reachM)
                            near.emplace_back(d, v);
        std::sort(near.begin(), near.end(), [](const auto& a, const auto& b) {
            return a.first < b.first || (a.first == b.first && a.second->line < b.second->line);
        });
        std::vector<std::string_view> counties;
        for (std::size_t k = 0; k < near.size() && k < count; ++k)
            counties.push_back(near[k].second->county);
        return counties;
    }

private:
    static constexpr double kCellM = 5000.0;
    static int cellOf(double m) { return static_cast<int>(std::floor(m / kCellM)); }
    std::map<std::pair<int, int>, std::vector<const SourcePlace*>> cells_;
};

bool northWestern(std::string_view county)
{
    return std::find(std::begin(kNorthWestCounties), std::end(kNorthWestCounties), county)
           != std::end(kNorthWestCounties);
}

} // namespace

std::span<const HandCorrection> handCorrections()
{
    return kHandCorrections;
}

std::span<const BoroughCounties> boroughCounties()
{
    return kBoroughs;
}

std::vector<std::string> correctByHand(std::vector<Place>& places)
{
    std::vector<std::string> done;
    for (const HandCorrection& h : kHandCorrections) {
        bool found = false;
        for (Place& p : places) {
            if (p.name != h.name || p.county != h.county || std::abs(p.easting - h.easting) > 5
                || std::abs(p.northing - h.northing) > 5)
                continue;
            found = true;
            p.county = std::string(h.becomes);
            p.countyConfirmed = true;
            done.push_back(p.name + ": " + std::string(h.county) + " to " + std::string(h.becomes));
        }
        if (!found)
            throw SourceError("the hand correction of " + std::string(h.name) + " (" + std::string(h.county)
                              + ") finds no record: check it against the sources");
    }
    return done;
}

std::vector<std::string> correctNorthWest(std::vector<Place>& places, const std::vector<SourcePlace>& villaris)
{
    std::vector<std::string> done;
    const VillarisCounties villarisCounties(villaris);
    for (Place& p : places) {
        if (p.origin != Origin::EnglandList || p.countyConfirmed || p.country != "ENG"
            || (p.county != "CUL" && p.county != "WES" && p.county != "LAN"))
            continue;
        std::string_view county;
        auto near = villarisCounties.nearest(p.eastM, p.northM, kNorthWestNeighbours, kNorthWestReachM);
        if (near.size() == kNorthWestNeighbours && std::count(near.begin(), near.end(), near[0]) == std::ssize(near))
            county = near[0];
        if (p.county == "CUL" && county.empty()) {
            near = villarisCounties.nearest(p.eastM, p.northM, kNotCumberlandNeighbours, kNotCumberlandReachM);
            if (!near.empty() && std::find(near.begin(), near.end(), "CUL") == near.end())
                county = near[0];
        }
        if (!county.empty() && county != p.county && northWestern(county)) {
            done.push_back(p.name + ": " + p.county + " to " + std::string(county));
            p.county = std::string(county);
        }
    }
    return done;
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
