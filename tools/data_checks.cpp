#include "data_checks.h"

#include "geonames_corrections.h"
#include "historic_counties.h"
#include "place_names.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>

namespace tools {
namespace {

// Records the screen flags and no rule resolves, each checked by hand: kept, or given the county named.
constexpr CountyException kExceptions[] = {
    {"Lorgill", "INV", 117, 842, "INV", "on Skye, Inverness-shire, among places of Ross and Cromarty's parishes"},
    {"Cenarth", "PEM", 226, 241, "CMN", "on the Carmarthenshire bank of the Teifi"},
    {"Llanwrthwl", "BRE", 297, 263, "BRE", "Brecknockshire, on the Wye across from Radnorshire"},
    {"Great Chishill", "CAM", 542, 238, "CAM", "Essex until 1895, Cambridgeshire after"},
    {"Headley", "HAM", 451, 165, "HAM", "Headley near Kingsclere, Hampshire, on the Berkshire border"},
    {"Rotherham", "LAN", 442, 392, "YKS", "the West Riding town"},
    {"Bourton", "OXF", 423, 187, "BRK", "Bourton near Shrivenham, Berkshire"},
    {"Redbridge", "SRY", 544, 188, "ESS", "Redbridge by Ilford, Essex"},
    {"Arnside", "WES", 345, 478, "WES", "Westmorland, among places the England list files under Cumberland"},
    {"Crook", "WES", 346, 493, "WES", "Westmorland, among places the England list files under Cumberland"},
    {"Witherslack", "WES", 343, 484, "WES", "Westmorland, among places the England list files under Cumberland"},
    {"Newbiggin", "WES", 356, 547, "CUL", "Newbiggin in Dacre, Cumberland"},
    {"Newbiggin", "WES", 326, 469, "LAN", "Newbiggin in Aldingham, Furness, Lancashire"},
    {"Newbiggin", "WES", 309, 494, "CUL", "Newbiggin near Bootle, Cumberland"},
    {"Hutton Roof", "WES", 337, 534, "CUL", "Hutton Roof in Greystoke, Cumberland"},
    {"Soulby", "WES", 346, 525, "CUL", "Soulby in Dacre, Cumberland"},
    {"Stainton", "WES", 337, 556, "CUL", "Stainton near Carlisle, Cumberland"},
    {"Little Asby", "CUL", 369, 509, "WES", "in Asby, Westmorland"},
    {"Longdendale", "CHS", 400, 396, "CHS", "the Cheshire township of Mottram in Longdendale"},
    {"Bawtry", "YKS", 465, 393, "YKS", "Yorkshire, on the Nottinghamshire border"},
    {"Wellesbourne Mountford", "YKS", 426, 254, "WAR", "a Warwickshire village"},
    {"Low Moorsley", "NBL", 434, 546, "DUR", "near Hetton-le-Hole, Durham"},
    {"Exning", "SFK", 562, 265, "SFK", "Suffolk, on the Cambridgeshire border by Newmarket"},
    {"Gadfield Elm", "HEF", 378, 231, "WOR", "in Staunton, Worcestershire"},
    {"Little Beckford", "WOR", 397, 234, "GLS", "Gloucestershire, by Beckford"},
    {"Kilmichael of Inverlussa", "BUT", 177, 684, "ARL",
     "in Knapdale, Argyll; its nearest positioned parish is in Bute"},
};

// Inhabited (or once inhabited) islands of the England list and the other sources that Natural Earth's 1:10m
// rings leave out; places on them are kept however far they lie from the rings.
constexpr SmallIsland kSmallIslands[] = {
    {"Isles of Scilly", false, 80, 0, 100, 20},
    {"Farne Islands", false, 420, 634, 426, 641},
    {"Steep Holm", false, 321, 158, 325, 162},
    {"Walney Island", false, 315, 461, 322, 473},
    {"Mersea Island", false, 600, 210, 608, 216},
    {"Eigg", false, 143, 780, 152, 792},
    {"Great Cumbrae", false, 214, 653, 219, 660},
    {"Lismore", false, 176, 734, 190, 748},
    {"Gigha", false, 162, 643, 167, 654},
    {"Inishturk", true, 58, 272, 64, 277},
    {"Inch, Lough Swilly", true, 229, 420, 235, 427},
    {"Great Island, Cork Harbour", true, 175, 64, 183, 70},
};

constexpr double kCellM = 4000.0;

// Records in 4 km cells of their grid, to find neighbours.
class Cells {
public:
    explicit Cells(const std::vector<Place>& places) : places_(places)
    {
        for (std::size_t i = 0; i < places.size(); ++i)
            cells_[key(places[i].eastM, places[i].northM, places[i].irishGrid)].push_back(i);
    }
    // The records of the same grid within radiusM of record i, nearest first (then by index).
    std::vector<std::pair<double, std::size_t>> around(std::size_t i, double radiusM) const
    {
        const Place& p = places_[i];
        std::vector<std::pair<double, std::size_t>> out;
        const int reach = static_cast<int>(std::ceil(radiusM / kCellM));
        auto [cx, cy, irish] = key(p.eastM, p.northM, p.irishGrid);
        for (int dx = -reach; dx <= reach; ++dx)
            for (int dy = -reach; dy <= reach; ++dy) {
                auto cell = cells_.find({cx + dx, cy + dy, irish});
                if (cell == cells_.end())
                    continue;
                for (std::size_t j : cell->second) {
                    double d = std::hypot(places_[j].eastM - p.eastM, places_[j].northM - p.northM);
                    if (j != i && d <= radiusM)
                        out.emplace_back(d, j);
                }
            }
        std::sort(out.begin(), out.end());
        return out;
    }

private:
    using Key = std::tuple<int, int, bool>;
    static Key key(double e, double n, bool irish)
    {
        return {static_cast<int>(std::floor(e / kCellM)), static_cast<int>(std::floor(n / kCellM)), irish};
    }
    const std::vector<Place>& places_;
    std::map<Key, std::vector<std::size_t>> cells_;
};

constexpr double kNeighbourReachM = 40000.0; // the ten nearest are looked for this far

const CountyException* exceptionFor(const Place& p)
{
    for (const CountyException& e : kExceptions)
        if (e.name == p.name && e.county == p.county && e.easting == p.easting && e.northing == p.northing)
            return &e;
    return nullptr;
}

double quantile(std::vector<double> sorted, double q)
{
    if (sorted.empty())
        return 0;
    std::sort(sorted.begin(), sorted.end());
    const auto i = static_cast<std::size_t>(std::lround(q * static_cast<double>(sorted.size() - 1)));
    return sorted[std::min(i, sorted.size() - 1)];
}

} // namespace

std::span<const CountyException> countyExceptions()
{
    return kExceptions;
}

CountyScreen screenCounties(std::vector<Place>& places)
{
    CountyScreen screen;
    const Cells cells(places);
    std::vector<std::pair<std::size_t, std::string>> changes;
    for (std::size_t i = 0; i < places.size(); ++i) {
        const Place& p = places[i];
        auto near = cells.around(i, kNeighbourReachM);
        bool sameWithin8 = false;
        bool sharedByNearest = false;
        std::size_t within8 = 0;
        std::map<std::string, std::size_t> nearestCounties, confirmedCounties;
        for (std::size_t k = 0; k < near.size(); ++k) {
            const Place& q = places[near[k].second];
            if (near[k].first <= kOutlierKm * 1000) {
                ++within8;
                sameWithin8 = sameWithin8 || q.county == p.county;
            }
            if (k < kNeighbours) {
                ++nearestCounties[q.county];
                confirmedCounties[q.county] += q.countyConfirmed;
                sharedByNearest = sharedByNearest || q.county == p.county;
            }
        }
        if (sameWithin8 && sharedByNearest)
            continue;
        ++screen.flagged;
        if (p.countyConfirmed || (p.origin == Origin::GeoNames && p.country != "ENG")) {
            ++screen.confirmed;
            continue;
        }
        if (within8 < kIsolatedBelow) {
            ++screen.isolated;
            continue;
        }
        if (const CountyException* e = exceptionFor(p)) {
            ++screen.exceptions;
            if (e->county != e->becomes)
                changes.emplace_back(i, std::string(e->becomes));
            continue;
        }
        auto most = std::max_element(nearestCounties.begin(), nearestCounties.end(),
                                     [](const auto& a, const auto& b) { return a.second < b.second; });
        const County* county = most == nearestCounties.end() ? nullptr : findCounty(most->first);
        if (county && p.origin == Origin::EnglandList && most->second >= kMajority
            && confirmedCounties[most->first] >= kConfirmedMajority && county->country == p.country) {
            screen.reassigned.push_back(p.name + ": " + p.county + " to " + most->first);
            changes.emplace_back(i, most->first);
            continue;
        }
        screen.unresolved.push_back(p.name + " (" + p.county + ", " + std::to_string(p.easting) + ","
                                    + std::to_string(p.northing) + ")");
    }
    for (auto& [i, county] : changes)
        places[i].county = county;
    return screen;
}

std::span<const SmallIsland> smallIslands()
{
    return kSmallIslands;
}

OffLandCheck leaveOutOffLand(std::vector<Place>& places, const Land& land)
{
    OffLandCheck check;
    std::erase_if(places, [&](const Place& p) {
        const double off = land.metresOffLand(p.eastM, p.northM, p.irishGrid);
        if (off <= kOffLandM)
            return false;
        for (const SmallIsland& island : kSmallIslands)
            if (island.irishGrid == p.irishGrid && p.easting >= island.west && p.easting < island.east
                && p.northing >= island.south && p.northing < island.north) {
                ++check.onSmallIslands;
                return false;
            }
        if (p.positionFrom != PositionFrom::ListCell && off <= kPointOffLandM) {
            ++check.onGeneralisedCoast;
            return false;
        }
        char km[32];
        std::snprintf(km, sizeof km, "%.1f km", off / 1000);
        check.leftOut.push_back(p.name + " (" + p.county + ", " + km + ")");
        return true;
    });
    return check;
}

PositionFigures measurePositions(const std::vector<std::pair<GridPoint, GridPoint>>& pairs)
{
    PositionFigures f;
    f.pairs = pairs.size();
    if (pairs.empty())
        return f;
    std::vector<double> errors;
    std::size_t same = 0;
    for (const auto& [given, ref] : pairs) {
        errors.push_back(std::hypot(given.easting - ref.easting, given.northing - ref.northing) / 1000);
        f.meanEastKm += (given.easting - ref.easting) / 1000;
        f.meanNorthKm += (given.northing - ref.northing) / 1000;
        same += std::floor(given.easting / 1000) == std::floor(ref.easting / 1000)
                && std::floor(given.northing / 1000) == std::floor(ref.northing / 1000);
    }
    const double n = static_cast<double>(pairs.size());
    f.meanEastKm /= n;
    f.meanNorthKm /= n;
    f.medianKm = quantile(errors, 0.5);
    f.p95Km = quantile(errors, 0.95);
    f.sameSquareShare = static_cast<double>(same) / n;
    return f;
}

std::vector<std::pair<GridPoint, GridPoint>> geoNamesVsOpenStreetMap(const std::vector<Place>& places,
                                                                     const std::vector<SourcePlace>& villaris)
{
    std::map<std::string, std::vector<const SourcePlace*>> osm;
    for (const SourcePlace& v : villaris)
        if (v.precise)
            osm[matchKey(v.name)].push_back(&v);
    std::vector<std::pair<GridPoint, GridPoint>> out;
    for (const Place& p : places) {
        if (p.positionFrom != PositionFrom::GeoNames && p.positionFrom != PositionFrom::GeoNamesPostal)
            continue;
        auto it = osm.find(matchKey(p.name));
        if (it == osm.end() || p.irishGrid)
            continue;
        const SourcePlace* best = nullptr;
        double bestM = 5000;
        for (const SourcePlace* v : it->second) {
            double d = std::hypot(v->eastM - p.eastM, v->northM - p.northM);
            if (d <= bestM) {
                best = v;
                bestM = d;
            }
        }
        if (best)
            out.push_back({{p.eastM, p.northM}, {best->eastM, best->northM}});
    }
    return out;
}

std::vector<std::string> townsWithoutRecord(const std::vector<Place>& places, const std::vector<SourcePlace>& geoNames)
{
    std::map<std::string, std::vector<const Place*>> byKey; // by name, and by the other name in brackets
    for (const Place& p : places) {
        byKey[matchKey(p.name)].push_back(&p);
        std::size_t open = p.name.find(" (");
        if (open != std::string::npos && p.name.ends_with(")"))
            byKey[matchKey(p.name.substr(open + 2, p.name.size() - open - 3))].push_back(&p);
    }
    std::vector<std::string> missing;
    for (const SourcePlace& g : geoNames) {
        if (g.population < kTownCheckPopulation || whyNotAPlace(g.geonameId))
            continue;
        std::string name = g.name;
        if (auto english = englishNameOf(g.geonameId))
            name = std::string(*english);
        bool found = false;
        for (const std::string& key : {matchKey(g.name), matchKey(name)}) {
            auto it = byKey.find(key);
            if (it == byKey.end())
                continue;
            for (const Place* p : it->second)
                found =
                    found
                    || (p->irishGrid == g.irishGrid && std::hypot(p->eastM - g.eastM, p->northM - g.northM) <= 5000);
        }
        if (!found)
            missing.push_back(name + " (" + g.country + ")");
    }
    return missing;
}

std::string describe(const PositionFigures& f)
{
    char text[200];
    std::snprintf(text, sizeof text,
                  "%zu pairs: median %.2f km, 95th percentile %.2f km, mean offset %+.2f km north, %+.2f km east, "
                  "the same km square %.1f%%",
                  f.pairs, f.medianKm, f.p95Km, f.meanNorthKm, f.meanEastKm, 100 * f.sameSquareShare);
    return text;
}

} // namespace tools
