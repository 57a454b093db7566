#include "csv_table.h"
#include "place_selection.h"

#include <gtest/gtest.h>

#include <algorithm>

using tools::NameKind;
using tools::Place;

namespace {

Place place(std::string name, int e, int n, char type = tools::kTypePlace,
            tools::Origin origin = tools::Origin::EnglandList)
{
    static int line = 1;
    Place p;
    p.name = std::move(name);
    p.county = "LEI";
    p.country = "ENG";
    p.easting = e;
    p.northing = n;
    p.type = type;
    p.origin = origin;
    p.line = ++line;
    return p;
}

std::vector<std::string> namesOf(const std::vector<Place>& places)
{
    std::vector<std::string> out;
    for (const Place& p : places)
        out.push_back(p.name);
    return out;
}

TEST(NameKind, ByTheLastWordOfANameOfTwoWordsOrMore)
{
    const std::pair<NameKind, std::vector<const char*>> cases[] = {
        {NameKind::Waterway,
         {"Grand Union Canal", "Shropshire Canal, , Middlewich Branch", "Nottingham Canal (disused)"}},
        {NameKind::Hamlet, {"Church End", "Kentish Town", "The Green", "Green End Farm Lane"}},
        {NameKind::Other, {"Green", "Greenend", "Canal Foot", "Kelvedon Hatch"}}};
    for (const auto& [kind, names] : cases)
        for (const char* name : names)
            EXPECT_EQ(tools::nameKind(name), kind) << name;
}

TEST(SelectPlaces, LeavesOutWaterwaysThenTheNearestHamletsThenOthers)
{
    const std::vector<Place> all{place("Ashby", 400, 300),
                                 place("Ashby Canal", 450, 350), // far from all, but a waterway
                                 place("Ashby Green", 400, 300), // shares a square
                                 place("Ashby End", 401, 300), // 1 km away
                                 place("Far End", 430, 330), // alone
                                 place("Blackfordby", 401, 301), // 1.4 km from Ashby
                                 place("Town", 400, 301, tools::kTypeTown, tools::Origin::EnglandListGeoNamesPosition),
                                 place("Crowded End", 401, 301)};
    // limit, places left, waterways, hamlets and others left out
    const std::tuple<std::size_t, std::vector<std::string>, int, int, int> cases[] = {
        {8, namesOf(all), 0, 0, 0},
        {7, {"Ashby", "Ashby Green", "Ashby End", "Far End", "Blackfordby", "Town", "Crowded End"}, 1, 0, 0},
        // Hamlets sharing a square with a kept place go first (equally crowded: in name order) ...
        {5, {"Ashby", "Ashby End", "Far End", "Blackfordby", "Town"}, 1, 2, 0},
        // ... then those 1 km from one.
        {4, {"Ashby", "Far End", "Blackfordby", "Town"}, 1, 3, 0},
        // Other names near a kept place go before a hamlet more than 20 km from every other place.
        {2, {"Far End", "Town"}, 1, 3, 2},
        {1, {"Town"}, 1, 4, 2}};
    for (const auto& [limit, left, waterways, hamlets, others] : cases) {
        SCOPED_TRACE("limit " + std::to_string(limit));
        auto places = all;
        auto stats = tools::selectPlaces(places, limit);
        EXPECT_EQ(namesOf(places), left);
        EXPECT_EQ(std::tuple(stats.waterways, stats.hamlets, stats.others), std::tuple(waterways, hamlets, others));
    }
}

TEST(SelectPlaces, LeavesOutTheMostCrowdedFirst)
{
    std::vector<Place> places{place("Alpha", 100, 100),   place("A End", 100, 100),     place("Zed", 200, 200),
                              place("Zed Two", 201, 200), place("Zed Three", 200, 201), place("Z End", 200, 200)};
    tools::selectPlaces(places, 5);
    EXPECT_EQ(namesOf(places), (std::vector<std::string>{"Alpha", "A End", "Zed", "Zed Two", "Zed Three"}));
}

TEST(SelectPlaces, NeverLeavesOutGeoNamesPlacesOrOtherCountries)
{
    std::vector<Place> places{
        place("Kept Town", 400, 300, tools::kTypeTown, tools::Origin::EnglandListGeoNamesPosition),
        place("Welsh Green", 300, 300, tools::kTypeVillage, tools::Origin::GeoNames), place("Hamlet End", 400, 300)};
    EXPECT_THROW(tools::selectPlaces(places, 1), tools::SourceError);
    places.push_back(place("Near End", 403, 304));
    auto stats = tools::selectPlaces(places, 2);
    EXPECT_EQ(namesOf(places), (std::vector<std::string>{"Kept Town", "Welsh Green"}));
    EXPECT_DOUBLE_EQ(stats.farthestKm, 5.0); // how far the farthest place left out lies from one kept
}

TEST(SelectPlaces, IrishAndBritishGridsAreNeverNeighbours)
{
    Place irish = place("Irish Village", 400, 300, tools::kTypeVillage, tools::Origin::GeoNames);
    irish.irishGrid = true;
    std::vector<Place> places{irish, place("Lone End", 400, 300), place("Other End", 410, 300),
                              place("Other", 410, 300)};
    tools::selectPlaces(places, 3);
    // "Lone End" has no British neighbour in its square, "Other End" has one: that one goes.
    EXPECT_EQ(namesOf(places), (std::vector<std::string>{"Irish Village", "Lone End", "Other"}));
}

} // namespace
