#include "county_corrections.h"
#include "historic_counties.h"
#include "place_merge.h"

#include <gtest/gtest.h>

#include <algorithm>

using tools::Origin;
using tools::Place;
using tools::SourcePlace;

namespace {

SourcePlace england(std::string name, std::string county, int e, int n, int line, bool flagged = false)
{
    SourcePlace p;
    p.source = tools::Source::EnglandList;
    p.name = std::move(name);
    p.county = std::move(county);
    p.country = p.county == "IOM" ? "IOM" : "ENG";
    p.easting = e;
    p.northing = n;
    p.line = line;
    p.flaggedNotSettlement = flagged;
    return p;
}

SourcePlace geoNames(long id, std::string name, std::string country, std::string area, int e, int n,
                     long population = 1000, std::string feature = "PPL")
{
    SourcePlace p;
    p.source = tools::Source::GeoNames;
    p.geonameId = id;
    p.line = static_cast<int>(id % 100000);
    p.name = std::move(name);
    p.country = std::move(country);
    p.county = std::move(area);
    p.irishGrid = p.country == "IRL" || p.country == "NIR";
    p.easting = e;
    p.northing = n;
    p.population = population;
    p.featureCode = std::move(feature);
    return p;
}

const Place* find(const std::vector<Place>& places, std::string_view name)
{
    auto it = std::find_if(places.begin(), places.end(), [&](const Place& p) { return p.name == name; });
    return it == places.end() ? nullptr : &*it;
}

TEST(MergeSources, AnEnglishPlaceGeoNamesHoldsTakesItsPositionAndType)
{
    tools::MergeStats stats;
    auto places =
        tools::mergeSources({england("Ashby-de-la-Zouch", "LEI", 435, 315, 2), england("Measham", "LEI", 433, 312, 3),
                             england("Bury St.Edmunds", "SFK", 584, 263, 4), england("Faraway", "LEI", 400, 300, 5)},
                            {geoNames(1, "Ashby-de-la-Zouch", "ENG", "Leicestershire", 435, 316, 12370),
                             geoNames(2, "Bury St Edmunds", "ENG", "Suffolk", 585, 264, 42812),
                             // 6 km from the England list's Faraway: another place, and not used
                             geoNames(3, "Faraway", "ENG", "Leicestershire", 406, 300, 600)},
                            stats);
    ASSERT_EQ(places.size(), 4u);
    const Place* ashby = find(places, "Ashby-de-la-Zouch");
    ASSERT_NE(ashby, nullptr);
    EXPECT_EQ(ashby->county, "LEI");
    EXPECT_EQ(ashby->country, "ENG");
    EXPECT_EQ(ashby->easting, 435);
    EXPECT_EQ(ashby->northing, 316);
    EXPECT_EQ(ashby->type, tools::kTypeTown);
    EXPECT_EQ(ashby->origin, Origin::EnglandListGeoNamesPosition);
    EXPECT_EQ(find(places, "Bury St.Edmunds")->northing, 264); // the England list's spelling stays
    EXPECT_EQ(find(places, "Measham")->origin, Origin::EnglandList);
    EXPECT_EQ(find(places, "Measham")->type, tools::kTypePlace);
    EXPECT_EQ(find(places, "Faraway")->easting, 400);
    EXPECT_EQ(stats.geoNamesPositions, 2);
    EXPECT_EQ(stats.geoNamesEnglandUnused, 1);
}

TEST(MergeSources, EachGeoNamesPlaceTakesTheNearestEnglandListPlaceOfItsName)
{
    tools::MergeStats stats;
    auto places = tools::mergeSources({england("Newton", "LEI", 400, 300, 2), england("Newton", "LEI", 404, 300, 3)},
                                      {geoNames(1, "Newton", "ENG", "L", 403, 301)}, stats);
    ASSERT_EQ(places.size(), 2u);
    EXPECT_EQ(places[0].line, 3); // GeoNames-held places come first
    EXPECT_EQ(places[0].easting, 403);
    EXPECT_EQ(places[1].easting, 400);
}

TEST(MergeSources, AFlaggedRowStaysOnlyWhenGeoNamesListsIt)
{
    tools::MergeStats stats;
    auto places = tools::mergeSources(
        {england("Herne Bay", "KEN", 616, 166, 2, true), england("Grand Union Canal", "BRK", 498, 179, 3, true)},
        {geoNames(1, "Herne Bay", "ENG", "Kent", 617, 168, 36642)}, stats);
    ASSERT_EQ(places.size(), 1u);
    EXPECT_EQ(places[0].name, "Herne Bay");
    EXPECT_EQ(stats.flaggedKept, 1);
    EXPECT_EQ(stats.flaggedLeftOut, 1);
}

TEST(MergeSources, GeoNamesWinsWhereTheEnglandListPutsAWelshOrScottishPlaceInEngland)
{
    tools::MergeStats stats;
    auto places = tools::mergeSources({england("Chirk", "SAL", 329, 337, 2), england("Coldstream", "NBL", 384, 640, 3)},
                                      {geoNames(1, "Chirk", "WLS", "Wrexham", 329, 338),
                                       geoNames(2, "Coldstream", "SCO", "The Scottish Borders", 384, 639)},
                                      stats);
    ASSERT_EQ(places.size(), 2u);
    EXPECT_EQ(find(places, "Chirk")->county, "DEN");
    EXPECT_EQ(find(places, "Chirk")->country, "WLS");
    EXPECT_EQ(find(places, "Coldstream")->county, "BEW");
    EXPECT_EQ(find(places, "Coldstream")->country, "SCT");
    EXPECT_EQ(stats.crossBorder, (std::vector<std::string>{"Chirk (SAL)", "Coldstream (NBL)"}));
}

TEST(MergeSources, GivesWelshScottishAndIrishPlacesHistoricCountiesAndTheirCountry)
{
    tools::MergeStats stats;
    auto places = tools::mergeSources(
        {},
        {geoNames(2964180, "Gaillimh", "IRL", "County Galway", 129, 225, 83456, "PPLA"),
         geoNames(2643736, "Derry", "NIR", "Derry City and Strabane", 244, 416, 83652, "PPLA2"),
         geoNames(2643734, "Londonderry County Borough", "NIR", "Derry City and Strabane", 244, 416, 87153, "PPLX"),
         geoNames(5, "Brecon", "WLS", "Sir Powys", 304, 228, 7901),
         geoNames(6, "Edinburgh", "SCO", "City of Edinburgh", 325, 673, 464990, "PPLA"),
         geoNames(7, "Somewhere", "SCO", "Atlantis", 100, 700)},
        stats);
    ASSERT_EQ(places.size(), 4u);
    const Place* galway = find(places, "Galway");
    ASSERT_NE(galway, nullptr);
    EXPECT_EQ(galway->county, "GAL");
    EXPECT_EQ(galway->country, "IRL");
    EXPECT_TRUE(galway->irishGrid);
    EXPECT_EQ(galway->origin, Origin::GeoNames);
    EXPECT_EQ(find(places, "Derry")->country, "IRL");
    EXPECT_EQ(find(places, "Derry")->county, "LDY");
    EXPECT_EQ(find(places, "Brecon")->county, "BRE");
    EXPECT_EQ(find(places, "Brecon")->type, tools::kTypeTown);
    EXPECT_EQ(find(places, "Edinburgh")->country, "SCT");
    EXPECT_EQ(find(places, "Edinburgh")->type, tools::kTypeCity);
    EXPECT_EQ(stats.englishNames, 1);
    EXPECT_EQ(stats.notPlaces, (std::vector<std::string>{"Londonderry County Borough"}));
    ASSERT_EQ(stats.noCounty.size(), 1u);
    EXPECT_EQ(tools::describe(stats.noCounty[0]),
              "places_geonames_gb_ie.csv line 7: no historic county is known for the area \"Atlantis\": \"Somewhere\"");
}

TEST(MergeSources, OnePlaceListedTwiceWithinTwoKilometresIsKeptOnce)
{
    tools::MergeStats stats;
    auto places =
        tools::mergeSources({england("Holme", "YKS", 412, 402, 2), england("Holme", "DBY", 411, 402, 3),
                             england("Holme", "NTT", 415, 402, 4), england("Holme", "LIN", 414, 402, 7),
                             england("Fen Street", "SFK", 605, 278, 5), england("Fen Street", "NFK", 605, 278, 6)},
                            {}, stats);
    ASSERT_EQ(places.size(), 3u);
    EXPECT_EQ(places[0].county, "YKS");
    EXPECT_EQ(places[1].county, "NTT"); // 3 km away: another place
    EXPECT_EQ(places[2].county, "SFK");
    EXPECT_EQ(stats.duplicates, 3); // 1 km and 2 km from the first Holme, and the second Fen Street
}

Place englandPlace(std::string name, std::string county, int e, int n)
{
    Place p;
    p.name = std::move(name);
    p.county = std::move(county);
    p.country = "ENG";
    p.easting = e;
    p.northing = n;
    return p;
}

std::vector<std::string> countiesOf(const std::vector<Place>& places)
{
    std::vector<std::string> out;
    for (const Place& p : places)
        out.push_back(p.county);
    return out;
}

TEST(CorrectCounties, MovesWorcestershirePlacesNearestToModernHerefordshire)
{
    const std::vector<SourcePlace> geo{geoNames(1, "Hereford", "ENG", "Herefordshire", 351, 240),
                                       geoNames(2, "Malvern", "ENG", "Worcestershire", 378, 245),
                                       geoNames(3, "Tewkesbury", "ENG", "Gloucestershire", 389, 232),
                                       geoNames(4, "Bucknell", "ENG", "Shropshire", 335, 274),
                                       geoNames(5, "Leintwardine", "ENG", "Herefordshire", 340, 274)};
    std::vector<Place> places{englandPlace("Hereford", "WOR", 351, 240), englandPlace("Colwall Side", "WOR", 372, 243),
                              englandPlace("Bushley", "WOR", 387, 234), englandPlace("Brampton Bryan", "WOR", 337, 272),
                              englandPlace("Ledbury Road", "GLS", 360, 240)};
    auto done = tools::correctCounties(places, geo);
    EXPECT_EQ(done.toHerefordshire, 2);
    EXPECT_EQ(done.impossible, 0);
    // GeoNames places of Gloucestershire and Shropshire are no evidence either way; other counties stay.
    EXPECT_EQ(countiesOf(places), (std::vector<std::string>{"HEF", "WOR", "WOR", "HEF", "GLS"}));
}

TEST(CorrectCounties, ReplacesOnlyCountiesImpossibleForTheirMetropolitanBorough)
{
    const std::vector<SourcePlace> geo{geoNames(1, "Manchester", "ENG", "Manchester", 384, 398),
                                       geoNames(2, "Gateshead", "ENG", "Gateshead", 425, 563),
                                       geoNames(3, "Stockport", "ENG", "Borough of Stockport", 389, 390),
                                       geoNames(4, "Macclesfield", "ENG", "Cheshire East", 391, 373),
                                       geoNames(5, "Galway", "IRL", "County Galway", 384, 398)};
    std::vector<Place> places{englandPlace("Manchester", "WAR", 384, 398),  englandPlace("Chorlton", "LAN", 381, 394),
                              englandPlace("Wythenshawe", "CHS", 382, 389), englandPlace("Gateshead", "YKS", 424, 562),
                              englandPlace("Reddish", "LAN", 389, 393),     englandPlace("Heaton", "WAR", 388, 391),
                              englandPlace("Bollington", "STS", 392, 377)};
    Place welsh = englandPlace("Welsh", "GLA", 384, 398);
    welsh.country = "WLS";
    welsh.origin = Origin::GeoNames;
    places.push_back(welsh);
    auto done = tools::correctCounties(places, geo);
    EXPECT_EQ(done.impossible, 3);
    // Bollington lies nearest to a place of Cheshire East, which is no metropolitan borough: unchanged.
    EXPECT_EQ(countiesOf(places), (std::vector<std::string>{"LAN", "LAN", "CHS", "DUR", "LAN", "CHS", "STS", "GLA"}));
}

TEST(CorrectCounties, BoroughTablesNameKnownEnglishCounties)
{
    for (const tools::BoroughCounties& b : tools::boroughCounties()) {
        EXPECT_NE(std::string_view(b.possible).find(b.main), std::string_view::npos) << b.area;
        for (std::size_t at = 0; at < b.possible.size(); at += 4) {
            const tools::County* c = tools::findCounty(b.possible.substr(at, 3));
            ASSERT_NE(c, nullptr) << b.area;
            EXPECT_EQ(c->country, "ENG") << b.area;
        }
    }
}

TEST(GeoNamesType, FollowsFeatureCodeAndPopulation)
{
    struct Case {
        const char* feature;
        long population;
        char type;
    };
    const Case cases[] = {{"PPLC", 1000, 'C'},   {"PPL", 100000, 'C'}, {"PPL", 99999, 'T'}, {"PPLA2", 0, 'T'},
                          {"PPLA", 100, 'T'},    {"PPL", 5000, 'T'},   {"PPL", 4999, 'V'},  {"PPLA3", 0, 'V'},
                          {"PPLX", 300000, 'D'}, {"PPLL", 32000, 'T'}};
    for (const auto& c : cases)
        EXPECT_EQ(tools::geoNamesType(c.feature, c.population), c.type) << c.feature << " " << c.population;
}

} // namespace
