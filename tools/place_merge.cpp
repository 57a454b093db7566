#include "place_merge.h"

#include "geonames_corrections.h"
#include "historic_counties.h"
#include "place_names.h"
#include "place_selection.h"

#include <cmath>
#include <functional>
#include <map>
#include <set>

namespace tools {
namespace {

constexpr double kSamePlaceM = kSamePlaceKm * 1000.0;
constexpr double kNearestAnchorM = 100000.0; // a county from the nearest place held, up to this far

double distanceM(const SourcePlace& a, double e, double n)
{
    return std::hypot(a.eastM - e, a.northM - n);
}

bool inEnglandOrMan(const SourcePlace& p)
{
    return p.country == "ENG" || p.country == "IOM";
}

using Accept = std::function<bool(const SourcePlace&)>;

// Source places by name key, to find the nearest of a name.
class NameIndex {
public:
    void add(const SourcePlace& p) { byKey_[matchKey(p.name)].push_back(&p); }
    const SourcePlace* nearest(std::string_view name, double e, double n, bool irish, double radiusM,
                               const Accept& accept = nullptr) const
    {
        auto it = byKey_.find(matchKey(name));
        if (it == byKey_.end())
            return nullptr;
        const SourcePlace* best = nullptr;
        double bestM = radiusM;
        for (const SourcePlace* p : it->second) { // equal distances keep the earlier line
            double d = distanceM(*p, e, n);
            if (p->irishGrid == irish && d <= bestM && (!accept || accept(*p)) && (!best || d < bestM)) {
                best = p;
                bestM = d;
            }
        }
        return best;
    }

private:
    std::map<std::string, std::vector<const SourcePlace*>> byKey_;
};

// Source places in 10 km cells, to find the nearest of any name.
class PointIndex {
public:
    void add(const SourcePlace& p) { cells_[{cellOf(p.eastM), cellOf(p.northM), p.irishGrid}].push_back(&p); }
    const SourcePlace* nearest(double e, double n, bool irish, double radiusM) const
    {
        const SourcePlace* best = nullptr;
        double bestM = radiusM;
        const int reach = static_cast<int>(std::ceil(radiusM / kCellM));
        for (int dx = -reach; dx <= reach; ++dx)
            for (int dy = -reach; dy <= reach; ++dy) {
                auto cell = cells_.find({cellOf(e) + dx, cellOf(n) + dy, irish});
                if (cell == cells_.end())
                    continue;
                for (const SourcePlace* p : cell->second) {
                    double d = distanceM(*p, e, n);
                    if (d < bestM || (d == bestM && best && p->line < best->line) || (!best && d <= bestM)) {
                        best = p;
                        bestM = d;
                    }
                }
            }
        return best;
    }

private:
    static constexpr double kCellM = 10000.0;
    static int cellOf(double m) { return static_cast<int>(std::floor(m / kCellM)); }
    struct Cell {
        int x, y;
        bool irish;
        auto operator<=>(const Cell&) const = default;
    };
    std::map<Cell, std::vector<const SourcePlace*>> cells_;
};

// The England-list row each GeoNames row on the British grid stands for, if any:
// the nearest unmatched row of the same name within kSamePlaceKm.
std::vector<const SourcePlace*> matchGeoNames(const std::vector<SourcePlace>& englandList,
                                              const std::vector<SourcePlace>& geoNames)
{
    std::multimap<std::string, std::size_t> byKey;
    for (std::size_t i = 0; i < englandList.size(); ++i)
        byKey.emplace(matchKey(englandList[i].name), i);
    std::vector<bool> taken(englandList.size(), false);
    std::vector<const SourcePlace*> matchOf(englandList.size(), nullptr);
    for (const SourcePlace& gn : geoNames) {
        if (gn.irishGrid)
            continue;
        std::optional<std::size_t> best;
        double bestM = kSamePlaceM;
        auto [first, last] = byKey.equal_range(matchKey(gn.name));
        for (auto it = first; it != last; ++it) {
            double d = distanceM(englandList[it->second], gn.eastM, gn.northM);
            if (!taken[it->second] && d <= bestM && (!best || d < bestM)) {
                best = it->second;
                bestM = d;
            }
        }
        if (best) {
            taken[*best] = true;
            matchOf[*best] = &gn;
        }
    }
    return matchOf;
}

Place fromSource(const SourcePlace& s, Origin origin, PositionFrom from)
{
    Place p;
    p.name = s.name;
    p.county = s.county;
    p.country = std::string(storedCountry(s.country));
    p.irishGrid = s.irishGrid;
    p.origin = origin;
    p.line = s.line;
    p.baseLetters = s.baseLetters;
    p.plainApostrophe = s.plainApostrophe;
    setPosition(p, s.eastM, s.northM, from);
    return p;
}

void takePosition(Place& p, const SourcePlace& s, PositionFrom from)
{
    setPosition(p, s.eastM, s.northM, from);
}

// "A (B)" when the list also holds "B (A)" nearby: the same place under its two names.
std::set<std::size_t> aliasRows(const std::vector<SourcePlace>& englandList)
{
    std::map<std::string, std::vector<std::size_t>> byName;
    for (std::size_t i = 0; i < englandList.size(); ++i)
        byName[englandList[i].name].push_back(i);
    std::set<std::size_t> later;
    for (std::size_t i = 0; i < englandList.size(); ++i) {
        const std::string& name = englandList[i].name;
        std::size_t open = name.find(" (");
        if (open == std::string::npos || !name.ends_with(")"))
            continue;
        std::string swapped = name.substr(open + 2, name.size() - open - 3) + " (" + name.substr(0, open) + ")";
        auto it = byName.find(swapped);
        if (it == byName.end())
            continue;
        for (std::size_t j : it->second)
            if (j > i && distanceM(englandList[j], englandList[i].eastM, englandList[i].northM) <= kSamePlaceM)
                later.insert(j);
    }
    return later;
}

// Keeps the first of two places with the same name and grid within kDuplicateKm.
std::vector<Place> withoutDuplicates(std::vector<Place> places, int& duplicates)
{
    std::multimap<std::string, std::size_t> kept;
    std::vector<Place> out;
    for (Place& p : places) {
        std::string key = matchKey(p.name) + (p.irishGrid ? "|IG" : "|BNG");
        bool same = false;
        auto [first, last] = kept.equal_range(key);
        for (auto it = first; it != last && !same; ++it) {
            const Place& k = out[it->second];
            same = std::hypot(k.eastM - p.eastM, k.northM - p.northM) <= kDuplicateKm * 1000.0;
        }
        if (same) {
            ++duplicates;
            continue;
        }
        kept.emplace(key, out.size());
        out.push_back(std::move(p));
    }
    return out;
}

// Places of one country group, each once: a source place of a name already held within kSamePlaceKm adds nothing.
class CountryPlaces {
public:
    Place* held(const SourcePlace& s)
    {
        auto it = byKey_.find(matchKey(s.name));
        if (it == byKey_.end())
            return nullptr;
        for (std::size_t i : it->second)
            if (std::hypot(places_[i].eastM - s.eastM, places_[i].northM - s.northM) <= kSamePlaceM)
                return &places_[i];
        return nullptr;
    }
    void add(Place p)
    {
        byKey_[matchKey(p.name)].push_back(places_.size());
        places_.push_back(std::move(p));
    }
    std::vector<Place>& places() { return places_; }

private:
    std::vector<Place> places_;
    std::map<std::string, std::vector<std::size_t>> byKey_;
};

} // namespace

std::optional<std::string_view> notASettlement(std::string_view name)
{
    static constexpr std::pair<std::string_view, std::string_view> kNamed[] = {
        {"Eddystone Rocks", "a reef with a lighthouse, 20 km out to sea"},
        {"Wolf Rock", "a rock with a lighthouse, 13 km out to sea"},
        {"Knoxes Reef", "a reef of the Farne Islands"},
        {"Don", "the river of Doncaster"},
        {"Rother", "the rivers of Chesterfield, of Midhurst and of Rye"},
        {"Chater", "a river of Rutland"},
    };
    for (const auto& [named, why] : kNamed)
        if (name == named)
            return why;
    if (name.find("River ") != std::string_view::npos && nameKind(name) != NameKind::Hamlet)
        return "a river";
    return std::nullopt;
}

std::vector<Place> mergeSources(const MergeSources& src, MergeStats& stats)
{
    NameIndex postal, villaris, villarisPrecise, scottishParishes;
    PointIndex villarisPoints, parishPoints; // of Wales, of Scotland
    for (const SourcePlace& p : src.postal)
        postal.add(p);
    for (const SourcePlace& p : src.villaris) {
        villaris.add(p);
        if (p.country == "WLS")
            villarisPoints.add(p);
        if (p.precise)
            villarisPrecise.add(p);
    }
    for (const SourcePlace& p : src.scottishParishes) {
        scottishParishes.add(p);
        parishPoints.add(p);
    }
    auto inCountry = [](std::string_view country) {
        return [country](const SourcePlace& p) { return p.country == country; };
    };

    // England and Man: the England list, its places with precise positions first, so a duplicate keeps the better.
    const std::vector<const SourcePlace*> geoNamesOf = matchGeoNames(src.englandList, src.geoNames);
    const std::set<std::size_t> aliases = aliasRows(src.englandList);
    std::vector<Place> precise, listCells;
    for (std::size_t i = 0; i < src.englandList.size(); ++i) {
        const SourcePlace& wp = src.englandList[i];
        const SourcePlace* gn = geoNamesOf[i];
        if (gn && !inEnglandOrMan(*gn)) {
            stats.crossBorder.push_back(wp.name + " (" + wp.county + ")");
            continue;
        }
        if (aliases.count(i)) {
            stats.aliases.push_back(wp.name);
            continue;
        }
        if (notASettlement(wp.name)) {
            stats.notPlaces.push_back(wp.name);
            continue;
        }
        const SourcePlace* pc = gn ? nullptr
                                   : postal.nearest(wp.name, wp.eastM, wp.northM, false, kSamePlaceM,
                                                    [](const SourcePlace& p) { return inEnglandOrMan(p); });
        if (wp.flaggedNotSettlement && !gn && !pc) {
            ++stats.flaggedLeftOut;
            continue;
        }
        stats.flaggedKept += wp.flaggedNotSettlement;
        Place p = fromSource(wp, Origin::EnglandList, PositionFrom::ListCell);
        // The county by the list's own position, before the place moves to a better one.
        if (const SourcePlace* iv = villaris.nearest(wp.name, wp.eastM, wp.northM, false, kSamePlaceM);
            iv && iv->country == "ENG" && wp.country == "ENG") {
            p.countyConfirmed = true;
            if (iv->county != p.county) {
                p.county = iv->county;
                ++stats.villarisCounties;
            }
        }
        const SourcePlace* iv = villarisPrecise.nearest(wp.name, wp.eastM, wp.northM, false, kSamePlaceM);
        if (gn) {
            stats.cellVsGeoNames.push_back({{wp.eastM, wp.northM}, {gn->eastM, gn->northM}});
            if (wp.line % 2 == 1)
                stats.cellVsGeoNamesHeldOut.push_back(stats.cellVsGeoNames.back());
            takePosition(p, *gn, PositionFrom::GeoNames);
            p.type = geoNamesType(gn->featureCode, gn->population);
            ++stats.geoNamesPositions;
        } else if (pc) {
            takePosition(p, *pc, PositionFrom::GeoNamesPostal);
            ++stats.postalPositions;
        } else if (iv) {
            takePosition(p, *iv, PositionFrom::IndexVillarisOsm);
            ++stats.villarisPositions;
        } else {
            ++stats.listCellPositions;
        }
        (p.positionFrom == PositionFrom::ListCell ? listCells : precise).push_back(std::move(p));
    }
    PointIndex englishPoints;
    for (const SourcePlace& p : src.villaris)
        if (p.country == "ENG")
            englishPoints.add(p);
    std::set<const SourcePlace*> matched(geoNamesOf.begin(), geoNamesOf.end());
    for (const SourcePlace& gn : src.geoNames) {
        if (!inEnglandOrMan(gn) || matched.count(&gn))
            continue;
        if (gn.population < kTownPopulation || gn.country != "ENG") {
            ++stats.geoNamesEnglandUnused;
            continue;
        }
        const SourcePlace* iv = villaris.nearest(gn.name, gn.eastM, gn.northM, false, kSamePlaceM);
        const bool sameName = iv != nullptr;
        if (!iv)
            iv = englishPoints.nearest(gn.eastM, gn.northM, false, kNearestAnchorM);
        if (!iv || iv->country != "ENG") {
            ++stats.geoNamesEnglandUnused;
            continue;
        }
        Place p = fromSource(gn, Origin::GeoNames, PositionFrom::GeoNames);
        p.county = iv->county;
        p.countyConfirmed = sameName;
        p.type = geoNamesType(gn.featureCode, gn.population);
        ++stats.geoNamesEnglandAdded;
        precise.push_back(std::move(p));
    }

    // Wales and Scotland: GeoNames' towns, postal places, Index Villaris' points and the parishes, each once.
    CountryPlaces wales, scotland;
    auto countyFor = [&](Place& p, const SourcePlace& s) {
        const bool welsh = s.country == "WLS";
        const NameIndex& named = welsh ? villaris : scottishParishes;
        if (const SourcePlace* a =
                named.nearest(s.name, s.eastM, s.northM, false, kSamePlaceM, inCountry(welsh ? "WLS" : "SCO"))) {
            p.county = a->county;
            p.countyConfirmed = true;
            return true;
        }
        if (s.source == Source::GeoNames) {
            std::optional<std::string_view> county = historicCounty(s.county, p.name);
            if (county)
                p.county = std::string(*county);
            return county.has_value();
        }
        const PointIndex& anchors = welsh ? villarisPoints : parishPoints;
        const SourcePlace* a = anchors.nearest(s.eastM, s.northM, false, kNearestAnchorM);
        if (!a || a->country != s.country)
            return false;
        p.county = a->county;
        return true;
    };
    auto addBritish = [&](const SourcePlace& s, Origin origin, PositionFrom from, char type) {
        CountryPlaces& group = s.country == "WLS" ? wales : scotland;
        if (Place* held = group.held(s)) {
            if (s.parish && origin == Origin::ScottishParishes)
                held->county = s.county, held->countyConfirmed = true;
            return;
        }
        Place p = fromSource(s, origin, from);
        p.type = type;
        if (!countyFor(p, s)) {
            stats.noCounty.push_back({std::string(s.source == Source::GeoNames ? kGeoNamesFile : kPostalFile), s.line,
                                      "no historic county is known for \"" + s.county + "\"", s.name});
            return;
        }
        group.add(std::move(p));
    };
    for (const SourcePlace& gn : src.geoNames)
        if ((gn.country == "WLS" || gn.country == "SCO") && !whyNotAPlace(gn.geonameId))
            addBritish(gn, Origin::GeoNames, PositionFrom::GeoNames, geoNamesType(gn.featureCode, gn.population));
    for (const SourcePlace& pc : src.postal)
        if (pc.country == "WLS" || pc.country == "SCO")
            addBritish(pc, Origin::GeoNamesPostal, PositionFrom::GeoNamesPostal, kTypePlace);
    for (const SourcePlace& iv : src.villaris)
        if (iv.country == "WLS" && iv.precise)
            addBritish(iv, Origin::IndexVillaris, PositionFrom::IndexVillarisOsm, kTypePlace);
    for (const SourcePlace& sp : src.scottishParishes)
        addBritish(sp, Origin::ScottishParishes, PositionFrom::ScottishParishes, kTypeParish);

    // Ireland: GeoNames' towns, then the civil parishes.
    std::vector<Place> irish;
    for (const SourcePlace& gn : src.geoNames) {
        if (!gn.irishGrid)
            continue;
        if (whyNotAPlace(gn.geonameId)) {
            stats.notPlaces.push_back(gn.name);
            continue;
        }
        Place p = fromSource(gn, Origin::GeoNames, PositionFrom::GeoNames);
        if (auto english = englishNameOf(gn.geonameId)) {
            p.name = std::string(*english);
            ++stats.englishNames;
        }
        std::optional<std::string_view> county = historicCounty(gn.county, p.name);
        if (!county) {
            stats.noCounty.push_back({std::string(kGeoNamesFile), gn.line,
                                      "no historic county is known for the area \"" + gn.county + "\"", gn.name});
            continue;
        }
        p.county = std::string(*county);
        p.type = geoNamesType(gn.featureCode, gn.population);
        irish.push_back(std::move(p));
    }
    for (const SourcePlace& ip : src.irishParishes) {
        Place p = fromSource(ip, Origin::IrishParishes, PositionFrom::IrishParishes);
        p.type = kTypeParish;
        p.countyConfirmed = true;
        irish.push_back(std::move(p));
    }

    std::vector<Place> all = std::move(irish);
    for (std::vector<Place>* part : {&scotland.places(), &wales.places(), &precise, &listCells})
        all.insert(all.end(), std::make_move_iterator(part->begin()), std::make_move_iterator(part->end()));
    return withoutDuplicates(std::move(all), stats.duplicates);
}

} // namespace tools
