#include "place_merge.h"

#include "geonames_corrections.h"
#include "historic_counties.h"
#include "place_names.h"

#include <map>
#include <optional>

namespace tools {
namespace {

int squaredKm(int e1, int n1, int e2, int n2)
{
    return (e1 - e2) * (e1 - e2) + (n1 - n2) * (n1 - n2);
}

bool onBritishGrid(const SourcePlace& p)
{
    return !p.irishGrid;
}
bool inEnglandOrMan(const SourcePlace& p)
{
    return p.country == "ENG" || p.country == "IOM";
}

// The England-list row each GeoNames row on the British grid stands for, if any:
// the nearest unmatched row of the same name within kSamePlaceKm.
std::vector<std::optional<std::size_t>> matchGeoNames(const std::vector<SourcePlace>& englandList,
                                                      const std::vector<SourcePlace>& geoNames)
{
    std::multimap<std::string, std::size_t> byKey;
    for (std::size_t i = 0; i < englandList.size(); ++i)
        byKey.emplace(matchKey(englandList[i].name), i);
    std::vector<bool> taken(englandList.size(), false);
    std::vector<std::optional<std::size_t>> match(geoNames.size());
    for (std::size_t g = 0; g < geoNames.size(); ++g) {
        const SourcePlace& gn = geoNames[g];
        if (!onBritishGrid(gn))
            continue;
        std::optional<std::size_t> best;
        int bestSquared = kSamePlaceKm * kSamePlaceKm + 1;
        auto [first, last] = byKey.equal_range(matchKey(gn.name));
        for (auto it = first; it != last; ++it) {
            const SourcePlace& wp = englandList[it->second];
            int d = squaredKm(wp.easting, wp.northing, gn.easting, gn.northing);
            if (!taken[it->second] && d < bestSquared) { // equal distances keep the earlier line
                best = it->second;
                bestSquared = d;
            }
        }
        if (best) {
            taken[*best] = true;
            match[g] = best;
        }
    }
    return match;
}

Place fromEnglandList(const SourcePlace& wp)
{
    Place p;
    p.name = wp.name;
    p.county = wp.county;
    p.country = wp.country;
    p.easting = wp.easting;
    p.northing = wp.northing;
    p.origin = Origin::EnglandList;
    p.line = wp.line;
    p.baseLetters = wp.baseLetters;
    p.plainApostrophe = wp.plainApostrophe;
    return p;
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
            same = squaredKm(k.easting, k.northing, p.easting, p.northing) <= kDuplicateKm * kDuplicateKm;
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

} // namespace

std::vector<Place> mergeSources(const std::vector<SourcePlace>& englandList, const std::vector<SourcePlace>& geoNames,
                                MergeStats& stats)
{
    std::vector<std::optional<std::size_t>> match = matchGeoNames(englandList, geoNames);
    std::vector<const SourcePlace*> positionFrom(englandList.size(), nullptr);
    std::vector<bool> inOtherCountry(englandList.size(), false);
    for (std::size_t g = 0; g < geoNames.size(); ++g) {
        if (!match[g])
            continue;
        if (inEnglandOrMan(geoNames[g]))
            positionFrom[*match[g]] = &geoNames[g];
        else
            inOtherCountry[*match[g]] = true;
    }

    // GeoNames-held places come first, so a duplicate keeps the better position.
    std::vector<Place> withGeoNames, englandOnly;
    for (std::size_t i = 0; i < englandList.size(); ++i) {
        const SourcePlace& wp = englandList[i];
        if (inOtherCountry[i]) {
            stats.crossBorder.push_back(wp.name + " (" + wp.county + ")");
            continue;
        }
        Place p = fromEnglandList(wp);
        if (const SourcePlace* gn = positionFrom[i]) {
            p.easting = gn->easting;
            p.northing = gn->northing;
            p.type = geoNamesType(gn->featureCode, gn->population);
            p.origin = Origin::EnglandListGeoNamesPosition;
            ++stats.geoNamesPositions;
            stats.flaggedKept += wp.flaggedNotSettlement;
            withGeoNames.push_back(std::move(p));
        } else if (wp.flaggedNotSettlement) {
            ++stats.flaggedLeftOut;
        } else {
            englandOnly.push_back(std::move(p));
        }
    }

    std::vector<Place> fromGeoNames;
    for (std::size_t g = 0; g < geoNames.size(); ++g) {
        const SourcePlace& gn = geoNames[g];
        if (inEnglandOrMan(gn)) {
            stats.geoNamesEnglandUnused += !match[g];
            continue;
        }
        if (whyNotAPlace(gn.geonameId)) {
            stats.notPlaces.push_back(gn.name);
            continue;
        }
        Place p;
        p.name = gn.name;
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
        p.country = std::string(storedCountry(gn.country));
        p.type = geoNamesType(gn.featureCode, gn.population);
        p.easting = gn.easting;
        p.northing = gn.northing;
        p.irishGrid = gn.irishGrid;
        p.origin = Origin::GeoNames;
        p.line = gn.line;
        p.baseLetters = gn.baseLetters;
        p.plainApostrophe = gn.plainApostrophe;
        fromGeoNames.push_back(std::move(p));
    }

    std::vector<Place> all = std::move(fromGeoNames);
    all.insert(all.end(), std::make_move_iterator(withGeoNames.begin()), std::make_move_iterator(withGeoNames.end()));
    all.insert(all.end(), std::make_move_iterator(englandOnly.begin()), std::make_move_iterator(englandOnly.end()));
    return withoutDuplicates(std::move(all), stats.duplicates);
}

} // namespace tools
