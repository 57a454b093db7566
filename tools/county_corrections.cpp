#include "county_corrections.h"

#include "csv_table.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <map>

namespace tools {
namespace {

constexpr HandCorrection kHandCorrections[] = {
    {"Holme", "DBY", 411, 402, "YKS", "Holme near Holmfirth, in the West Riding"},
    {"Milton Keynes", "BDF", 506, 236, "",
     "a stray row 21 km east of the town, by Bedford: the town is GeoNames' record (BKM), the old village "
     "Milton Keynes Village"},
    {"Milton Keynes Village", "BDF", 489, 238, "BKM", "the old village of Milton Keynes, Buckinghamshire"},
    {"Newcastle Emlyn", "CGN", 230, 240, "CMN", "on the Carmarthenshire bank of the Teifi (Adpar, across it, is CGN)"},
    {"Burton in Kendal", "CUL", 353, 474, "WES", "Westmorland; its nearest 1680 place is Dalton, Lancashire"},
    {"Sandside", "CUL", 348, 480, "WES", "in Heversham, Westmorland"},
    {"Far Arnside", "CUL", 344, 476, "WES", "in Arnside, Westmorland"},
    {"Hartbarrow", "CUL", 340, 490, "LAN", "in Cartmel Fell, Lancashire"},
    {"North Ockendon", "SFK", 559, 185, "ESS", "an Essex parish, in Havering since 1965"},
    {"Padfield", "LAN", 402, 396, "DBY", "in Glossop, Derbyshire, across the Etherow from Cheshire's Longdendale"},
    {"Hadfield", "LAN", 401, 396, "DBY", "in Glossop, Derbyshire, across the Etherow from Cheshire's Longdendale"},
    {"Higher Chisworth", "LAN", 399, 391, "DBY", "in Glossop, Derbyshire"},
    {"Mellor", "LAN", 398, 389, "DBY", "Mellor by Marple, Derbyshire until 1936"},
    {"Moorend", "LAN", 399, 388, "DBY", "Moor End in Mellor, Derbyshire"},
    {"Yealand Storrs", "LAN", 349, 476, "LAN",
     "in Yealand Conyers, Lancashire; its nearest 1680 places are Westmorland's"},
};

constexpr std::string_view kNorthWestCounties[] = {"CUL", "WES", "LAN", "YKS"};

// Rule 6: the England list's county and the one its 1680 neighbours agree on, where the list follows a modern border.
constexpr CountyMove kBorderMoves[] = {
    {"OXF", "BRK", "the Vale of White Horse, Berkshire north of the Thames"},
    {"BDF", "BKM", "Buckinghamshire round Milton Keynes"},
    {"DOR", "HAM", "Hampshire round Christchurch"},
    {"CAM", "HUN", "Huntingdonshire round Peterborough and Huntingdon"},
    {"CAM", "NTH", "the Soke of Peterborough, Northamptonshire"},
    {"SFK", "ESS", "Essex round Romford"},
    {"BKM", "MDX", "Middlesex round Harrow"},
    {"HRT", "MDX", "Middlesex round Barnet"},
    {"SRY", "MDX", "Middlesex round Feltham"},
    {"MDX", "SRY", "Surrey round Mitcham"},
    {"SAL", "STS", "Staffordshire round Wolverhampton"},
    {"WOR", "STS", "Staffordshire round Kingswinford"},
    {"STS", "WAR", "Warwickshire round Tamworth"},
    {"NBL", "DUR", "Durham round Houghton-le-Spring"},
    {"DUR", "YKS", "Yorkshire south of the Tees"},
    {"GLS", "WIL", "Wiltshire round the Keynes villages"},
};

// The middle of the Mersey from Liverpool Bay (between Wallasey and Bootle, past Birkenhead and Liverpool, Eastham
// and Garston, Runcorn and Widnes, Warrington, Thelwall and Woolston, Partington and Cadishead, Sale and Stretford,
// Northenden and Didsbury, Cheadle and Heaton Mersey) to Stockport, where the Tame and the Goyt meet; then of the
// Tame (Brinnington and Reddish, Hyde and Denton, Dukinfield and Ashton-under-Lyne, through Stalybridge) to Mossley.
// Drawn from maps to a few hundred metres, checked against the 1680 places on OpenStreetMap points.
constexpr BorderPoint kMerseyTame[] = {
    {328.0, 399.0}, {330.5, 397.0}, {332.0, 394.5},  {333.1, 391.0}, {333.3, 389.8}, {334.5, 387.3}, {336.5, 385.0},
    {337.5, 382.5}, {340.0, 381.5}, {344.0, 380.5},  {347.5, 380.3}, {349.2, 382.3}, {350.8, 383.6}, {352.5, 384.0},
    {354.0, 384.8}, {357.5, 385.9}, {359.5, 386.3},  {360.9, 387.7}, {362.5, 388.0}, {364.7, 388.4}, {367.0, 389.5},
    {369.5, 390.5}, {371.0, 391.7}, {373.5, 393.3},  {376.5, 393.4}, {378.5, 393.2}, {380.5, 392.8}, {382.8, 390.6},
    {384.5, 390.3}, {386.0, 389.6}, {388.0, 390.3},  {389.3, 390.3}, {390.2, 391.0}, {390.6, 392.3}, {391.0, 393.2},
    {392.2, 392.9}, {393.5, 393.2}, {394.2, 393.6},  {393.9, 394.5}, {393.7, 395.5}, {393.3, 396.8}, {393.4, 397.8},
    {394.5, 398.2}, {395.5, 398.5}, {396.2, 398.75}, {397.0, 398.9}, {397.4, 399.5}, {397.8, 401.0}};
// Cheshire's bank closed from Mossley along its border with Yorkshire, then a kilometre or so inside its border with
// Derbyshire (the Etherow and the Goyt, whose villages the England list's cells cannot place on one bank), then far
// to the south and west; Lancashire's bank closed to the north.
constexpr BorderPoint kCheshireClosure[] = {
    {400.5, 400.0}, {407.5, 399.5}, {403.5, 398.2}, {401.0, 396.6}, {399.6, 394.5}, {397.5, 391.8}, {396.3, 390.6},
    {396.3, 388.0}, {397.5, 385.5}, {398.8, 383.0}, {399.5, 380.0}, {399.5, 370.0}, {320.0, 370.0}, {320.0, 399.0}};
constexpr BorderPoint kLancashireClosure[] = {{397.8, 410.0}, {320.0, 410.0}, {320.0, 399.0}};

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

// Rules 3 and 6: the counties of the nearest Index Villaris places (rule 6: those on OpenStreetMap points only).
class VillarisCounties {
public:
    explicit VillarisCounties(const std::vector<SourcePlace>& villaris, bool preciseOnly = false)
    {
        for (const SourcePlace& v : villaris)
            if (v.country == "ENG" && (v.precise || !preciseOnly))
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

// The polygon of one bank: the border, then the bank's closure.
std::vector<BorderPoint> bank(std::span<const BorderPoint> closure)
{
    std::vector<BorderPoint> polygon(std::begin(kMerseyTame), std::end(kMerseyTame));
    polygon.insert(polygon.end(), closure.begin(), closure.end());
    return polygon;
}

bool inside(const std::vector<BorderPoint>& polygon, double e, double n)
{
    bool in = false;
    for (std::size_t i = 0, j = polygon.size() - 1; i < polygon.size(); j = i++) {
        const BorderPoint& a = polygon[i];
        const BorderPoint& b = polygon[j];
        if ((a.northing > n) != (b.northing > n)
            && e < a.easting + (n - a.northing) * (b.easting - a.easting) / (b.northing - a.northing))
            in = !in;
    }
    return in;
}

} // namespace

std::span<const CountyMove> borderMoves()
{
    return kBorderMoves;
}

std::vector<std::string> correctByUnanimousNeighbours(std::vector<Place>& places,
                                                      const std::vector<SourcePlace>& villaris)
{
    std::vector<std::string> done;
    const VillarisCounties villarisCounties(villaris, true);
    for (Place& p : places) {
        if (p.origin != Origin::EnglandList || p.countyConfirmed || p.country != "ENG")
            continue;
        auto near =
            villarisCounties.nearest(p.eastM, p.northM, std::numeric_limits<std::size_t>::max(), kUnanimousReachM);
        if (near.size() < kUnanimousAtLeast || std::count(near.begin(), near.end(), near[0]) != std::ssize(near))
            continue;
        for (const CountyMove& m : kBorderMoves)
            if (m.from == p.county && m.to == near[0]) {
                done.push_back(p.name + ": " + p.county + " to " + std::string(m.to));
                p.county = std::string(m.to);
                break;
            }
    }
    return done;
}

std::span<const BorderPoint> merseyTameBorder()
{
    return kMerseyTame;
}

std::vector<std::string> correctMerseyBorder(std::vector<Place>& places, const std::vector<SourcePlace>& villaris)
{
    const std::vector<BorderPoint> cheshire = bank(kCheshireClosure);
    const std::vector<BorderPoint> lancashire = bank(kLancashireClosure);
    // The county of the bank a point lies on, if it lies on either.
    auto bankOf = [&](double eastM, double northM) -> std::string_view {
        if (inside(cheshire, eastM / 1000, northM / 1000))
            return "CHS";
        if (inside(lancashire, eastM / 1000, northM / 1000))
            return "LAN";
        return {};
    };
    for (const SourcePlace& v : villaris) {
        if (!v.precise || (v.county != "LAN" && v.county != "CHS"))
            continue;
        if (std::string_view county = bankOf(v.eastM, v.northM); !county.empty() && county != v.county)
            throw SourceError("Index Villaris' " + v.name + " (" + v.county + ", line " + std::to_string(v.line)
                              + ") lies on the " + std::string(county)
                              + " bank of the Mersey and Tame border: check the border's line");
    }
    std::vector<std::string> done;
    for (Place& p : places) {
        if (p.countyConfirmed || p.country != "ENG" || (p.county != "LAN" && p.county != "CHS"))
            continue;
        if (std::string_view county = bankOf(p.eastM, p.northM); !county.empty() && county != p.county) {
            done.push_back(p.name + ": " + p.county + " to " + std::string(county));
            p.county = std::string(county);
        }
    }
    return done;
}

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
        const auto isIt = [&h](const Place& p) {
            return p.name == h.name && p.county == h.county && std::abs(p.easting - h.easting) <= 5
                   && std::abs(p.northing - h.northing) <= 5;
        };
        bool found = false;
        if (h.becomes.empty()) {
            found = std::erase_if(places, isIt) > 0;
            if (found)
                done.push_back(std::string(h.name) + " (" + std::string(h.county) + ") left out");
        }
        for (Place& p : places) {
            if (h.becomes.empty() || !isIt(p))
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
