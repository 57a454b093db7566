#include "place_selection.h"

#include "csv_table.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <span>
#include <sstream>

namespace tools {
namespace {

constexpr std::string_view kWaterwayWords[] = {"Canal", "Drain", "Navigation", "Reservoir"};
// Last words of the names of hamlets, farms, estates and districts, which were
// seldom parishes of their own. Not "Village": "Milton Keynes Village" is the
// old village and parish, where the new town took its name from.
constexpr std::string_view kHamletWords[] = {
    "Bank",    "Bar",    "Bottom", "Brow",  "Carr",  "Close", "Common", "Corner", "Cottages", "Court",
    "Croft",   "Cross",  "Downs",  "Edge",  "End",   "Ends",  "Estate", "Farm",   "Fields",   "Fold",
    "Gardens", "Gate",   "Gdns",   "Green", "Grove", "Hall",  "Hamlet", "Heath",  "Hill",     "Hole",
    "House",   "Houses", "Lane",   "Lanes", "Marsh", "Mill",  "Mills",  "Moor",   "Nook",     "Park",
    "Place",   "Rise",   "Row",    "Royd",  "Royds", "Side",  "Street", "Top",    "Town",     "Wood",
};
constexpr int kCrowdSquaredKm = 4; // places within 2 km make a place crowded
constexpr int kFarthestRound = 400; // rounds run up to 20 km
constexpr int kCellKm = 4;

// The places in kilometre cells, to find neighbours without looking at every place.
class Neighbourhood {
public:
    explicit Neighbourhood(const std::vector<Place>& places) : places_(places)
    {
        for (std::size_t i = 0; i < places.size(); ++i)
            cells_[cellOf(places[i].easting, places[i].northing, places[i].irishGrid)].push_back(i);
    }

    // Calls visit(j, squaredKm) for every other place j of the same grid within squaredKm of place i,
    // until visit returns false.
    template <typename Visit> void around(std::size_t i, int squaredKm, Visit visit) const
    {
        const Place& p = places_[i];
        int reach = static_cast<int>(std::ceil(std::sqrt(static_cast<double>(squaredKm))));
        for (int cx = (p.easting - reach) / kCellKm - 1; cx <= (p.easting + reach) / kCellKm; ++cx)
            for (int cy = (p.northing - reach) / kCellKm - 1; cy <= (p.northing + reach) / kCellKm; ++cy) {
                auto cell = cells_.find({cx, cy, p.irishGrid});
                if (cell == cells_.end())
                    continue;
                for (std::size_t j : cell->second) {
                    const Place& q = places_[j];
                    int d = (q.easting - p.easting) * (q.easting - p.easting)
                            + (q.northing - p.northing) * (q.northing - p.northing);
                    if (j != i && d <= squaredKm && !visit(j, d))
                        return;
                }
            }
    }

private:
    struct Cell {
        int x, y;
        bool irish;
        auto operator<=>(const Cell&) const = default;
    };
    static Cell cellOf(int e, int n, bool irish) { return {e / kCellKm, n / kCellKm, irish}; }

    const std::vector<Place>& places_;
    std::map<Cell, std::vector<std::size_t>> cells_;
};

std::string_view lastWord(std::string_view name)
{
    std::size_t blank = name.find_last_of(' ');
    return blank == std::string_view::npos ? std::string_view{} : name.substr(blank + 1);
}

bool oneOf(std::string_view word, std::span<const std::string_view> words)
{
    return std::find(words.begin(), words.end(), word) != words.end();
}

// The distinct squared distances between whole-km positions, up to kFarthestRound.
std::vector<int> roundDistances()
{
    std::vector<int> out;
    for (int dx = 0; dx * dx <= kFarthestRound; ++dx)
        for (int dy = 0; dx * dx + dy * dy <= kFarthestRound; ++dy)
            out.push_back(dx * dx + dy * dy);
    std::sort(out.begin(), out.end());
    out.erase(std::unique(out.begin(), out.end()), out.end());
    return out;
}

} // namespace

NameKind nameKind(std::string_view storedName)
{
    std::string_view word = lastWord(storedName);
    if (oneOf(word, kWaterwayWords) || storedName.find("Canal,") != std::string_view::npos
        || storedName.ends_with("(disused)"))
        return NameKind::Waterway;
    if (oneOf(word, kHamletWords))
        return NameKind::Hamlet;
    return NameKind::Other;
}

SelectionStats selectPlaces(std::vector<Place>& places, std::size_t limit)
{
    SelectionStats stats;
    if (places.size() <= limit)
        return stats;
    Neighbourhood near(places);
    std::vector<bool> kept(places.size(), true);
    std::size_t count = places.size();

    std::vector<int> crowd(places.size(), 0);
    for (std::size_t i = 0; i < places.size(); ++i)
        near.around(i, kCrowdSquaredKm, [&](std::size_t, int) {
            ++crowd[i];
            return true;
        });

    std::map<NameKind, std::vector<std::size_t>> candidates;
    for (std::size_t i = 0; i < places.size(); ++i)
        if (places[i].type == kTypePlace && places[i].origin == Origin::EnglandList)
            candidates[nameKind(places[i].name)].push_back(i);
    for (auto& [kind, list] : candidates)
        std::sort(list.begin(), list.end(), [&](std::size_t a, std::size_t b) {
            if (crowd[a] != crowd[b])
                return crowd[a] > crowd[b];
            if (places[a].name != places[b].name)
                return places[a].name < places[b].name;
            return places[a].line < places[b].line;
        });

    auto leaveOut = [&](std::size_t i, NameKind kind) {
        kept[i] = false;
        --count;
        if (kind == NameKind::Waterway)
            ++stats.waterways;
        else if (kind == NameKind::Hamlet)
            ++stats.hamlets;
        else
            ++stats.others;
    };
    auto hasKeptNeighbour = [&](std::size_t i, int squaredKm) {
        bool found = false;
        near.around(i, squaredKm, [&](std::size_t j, int) { return !(found = kept[j]); });
        return found;
    };

    for (std::size_t i : candidates[NameKind::Waterway])
        if (count > limit)
            leaveOut(i, NameKind::Waterway);
    const std::vector<int> rounds = roundDistances();
    for (NameKind kind : {NameKind::Hamlet, NameKind::Other})
        for (int squaredKm : rounds)
            for (std::size_t i : candidates[kind])
                if (count > limit && kept[i] && hasKeptNeighbour(i, squaredKm))
                    leaveOut(i, kind);
    for (NameKind kind : {NameKind::Hamlet, NameKind::Other}) // places farther than 20 km from any other
        for (std::size_t i : candidates[kind])
            if (count > limit && kept[i])
                leaveOut(i, kind);
    if (count > limit) {
        std::ostringstream why;
        why << places.size() << " places cannot be brought within " << limit
            << " by leaving out England-list places GeoNames does not hold";
        throw SourceError(why.str());
    }

    for (std::size_t i = 0; i < places.size(); ++i) {
        if (kept[i])
            continue;
        int nearest = -1;
        near.around(i, kFarthestRound, [&](std::size_t j, int d) {
            if (kept[j] && (nearest < 0 || d < nearest))
                nearest = d;
            return true;
        });
        double km = nearest < 0 ? std::sqrt(static_cast<double>(kFarthestRound)) : std::sqrt(nearest);
        stats.farthestKm = std::max(stats.farthestKm, km);
    }
    std::vector<Place> out;
    out.reserve(count);
    for (std::size_t i = 0; i < places.size(); ++i)
        if (kept[i])
            out.push_back(std::move(places[i]));
    places = std::move(out);
    return stats;
}

} // namespace tools
