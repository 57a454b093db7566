// One list of places from the two sources: merging, historic counties, county
// corrections, names and grid squares.
#include "county_corrections.h"
#include "grid_square.h"
#include "historic_counties.h"
#include "place_merge.h"
#include "place_names.h"
#include "text/text_file.h"

#include <gtest/gtest.h>

#include <set>

using tools::Place;
using tools::SourcePlace;
using Texts = std::vector<std::string>;

namespace {

SourcePlace england(std::string name, std::string county, int e, int n, int line, bool flagged = false)
{
    SourcePlace p;
    std::tie(p.line, p.name, p.county, p.country, p.easting, p.northing) = std::tuple(line, name, county, "ENG", e, n);
    p.flaggedNotSettlement = flagged;
    return p;
}

SourcePlace geoNames(long id, std::string name, std::string country, std::string area, int e, int n,
                     long population = 1000, std::string feature = "PPL")
{
    SourcePlace p = england(name, area, e, n, static_cast<int>(id));
    p.source = tools::Source::GeoNames;
    p.country = country;
    p.irishGrid = country == "IRL" || country == "NIR";
    std::tie(p.geonameId, p.featureCode, p.population) = std::tuple(id, feature, population);
    return p;
}

// name|county|country|easting,northing|type in list order, or the counties alone.
Texts summaries(const std::vector<Place>& places, bool countiesOnly = false)
{
    Texts out;
    for (const Place& p : places)
        out.push_back(countiesOnly ? p.county
                                   : p.name + "|" + p.county + "|" + p.country + "|" + std::to_string(p.easting) + ","
                                         + std::to_string(p.northing) + "|" + p.type + (p.irishGrid ? " IG" : ""));
    return out;
}

TEST(MergeSources, EnglishPlacesTakeThePositionAndTypeOfTheSameGeoNamesPlace)
{
    tools::MergeStats stats;
    auto places = tools::mergeSources(
        {england("Ashby-de-la-Zouch", "LEI", 435, 315, 2), england("Measham", "LEI", 433, 312, 3),
         england("Bury St.Edmunds", "SFK", 584, 263, 4), england("Faraway", "LEI", 400, 300, 5),
         england("Newton", "LEI", 400, 300, 6), england("Newton", "LEI", 404, 300, 7),
         england("Herne Bay", "KEN", 616, 166, 8, true), england("Grand Union Canal", "BRK", 498, 179, 9, true),
         england("Chirk", "SAL", 329, 337, 10), england("Coldstream", "NBL", 384, 640, 11)},
        {geoNames(1, "Ashby-de-la-Zouch", "ENG", "Leicestershire", 435, 316, 12370),
         geoNames(2, "Bury St Edmunds", "ENG", "Suffolk", 585, 264, 42812),
         geoNames(3, "Faraway", "ENG", "Leicestershire", 406, 300, 600), // 6 km away: another place, unused
         geoNames(4, "Newton", "ENG", "L", 403, 301), // the nearer Newton takes it
         geoNames(5, "Herne Bay", "ENG", "Kent", 617, 168, 36642), geoNames(6, "Chirk", "WLS", "Wrexham", 329, 338),
         geoNames(7, "Coldstream", "SCO", "The Scottish Borders", 384, 639)},
        stats);
    // GeoNames' own places first, then those it holds: the England list's spelling and county stay,
    // but not across a border.
    EXPECT_EQ(summaries(places),
              (Texts{"Chirk|DEN|WLS|329,338|V", "Coldstream|BEW|SCT|384,639|V", "Ashby-de-la-Zouch|LEI|ENG|435,316|T",
                     "Bury St.Edmunds|SFK|ENG|585,264|T", "Newton|LEI|ENG|403,301|V", "Herne Bay|KEN|ENG|617,168|T",
                     "Measham|LEI|ENG|433,312|P", "Faraway|LEI|ENG|400,300|P", "Newton|LEI|ENG|400,300|P"}));
    EXPECT_EQ(places[0].origin, tools::Origin::GeoNames);
    EXPECT_EQ(places[2].origin, tools::Origin::EnglandListGeoNamesPosition);
    EXPECT_EQ(stats.geoNamesPositions, 4);
    EXPECT_EQ(stats.geoNamesEnglandUnused, 1);
    EXPECT_EQ(stats.flaggedKept, 1);
    EXPECT_EQ(stats.flaggedLeftOut, 1);
    EXPECT_EQ(stats.crossBorder, (Texts{"Chirk (SAL)", "Coldstream (NBL)"}));
}

TEST(MergeSources, WelshScottishAndIrishPlacesTakeHistoricCountiesAndOnePlaceIsKeptOnce)
{
    tools::MergeStats stats;
    auto places = tools::mergeSources(
        {england("Holme", "YKS", 412, 402, 2), england("Holme", "DBY", 411, 402, 3),
         england("Holme", "NTT", 415, 402, 4), england("Holme", "LIN", 414, 402, 7),
         england("Fen Street", "SFK", 605, 278, 5), england("Fen Street", "NFK", 605, 278, 6)},
        {geoNames(2964180, "Gaillimh", "IRL", "County Galway", 129, 225, 83456, "PPLA"),
         geoNames(2643736, "Derry", "NIR", "Derry City and Strabane", 244, 416, 83652, "PPLA2"),
         geoNames(2643734, "Londonderry County Borough", "NIR", "Derry City and Strabane", 244, 416, 87153, "PPLX"),
         geoNames(5, "Brecon", "WLS", "Sir Powys", 304, 228, 7901),
         geoNames(6, "Edinburgh", "SCO", "City of Edinburgh", 325, 673, 464990, "PPLA"),
         geoNames(7, "Somewhere", "SCO", "Atlantis", 100, 700)},
        stats);
    // Holme 1 km and 2 km from the first is the same place, 3 km away another.
    EXPECT_EQ(summaries(places),
              (Texts{"Galway|GAL|IRL|129,225|T IG", "Derry|LDY|IRL|244,416|T IG", "Brecon|BRE|WLS|304,228|T",
                     "Edinburgh|MLN|SCT|325,673|C", "Holme|YKS|ENG|412,402|P", "Holme|NTT|ENG|415,402|P",
                     "Fen Street|SFK|ENG|605,278|P"}));
    EXPECT_EQ(stats.duplicates, 3);
    EXPECT_EQ(stats.englishNames, 1);
    EXPECT_EQ(stats.notPlaces, Texts{"Londonderry County Borough"});
    ASSERT_EQ(stats.noCounty.size(), 1u);
    EXPECT_EQ(tools::describe(stats.noCounty[0]),
              "places_geonames_gb_ie.csv line 7: no historic county is known for the area \"Atlantis\": \"Somewhere\"");
}

TEST(MergeSources, TypeFollowsFeatureCodeAndPopulation)
{
    const std::tuple<const char*, long, char> cases[] = {
        {"PPLC", 1000, 'C'}, {"PPL", 100000, 'C'}, {"PPL", 99999, 'T'}, {"PPLA2", 0, 'T'},     {"PPLA", 100, 'T'},
        {"PPL", 5000, 'T'},  {"PPL", 4999, 'V'},   {"PPLA3", 0, 'V'},   {"PPLX", 300000, 'D'}, {"PPLL", 32000, 'T'}};
    for (const auto& [feature, population, type] : cases)
        EXPECT_EQ(tools::geoNamesType(feature, population), type) << feature << " " << population;
}

Place englandPlace(std::string name, std::string county, int e, int n)
{
    return {.name = name, .county = county, .country = "ENG", .easting = e, .northing = n};
}

TEST(CorrectCounties, WorcestershireToHerefordshireAndCountiesImpossibleForTheirBorough)
{
    std::vector<Place> places{englandPlace("Hereford", "WOR", 351, 240), englandPlace("Colwall Side", "WOR", 372, 243),
                              englandPlace("Bushley", "WOR", 387, 234), englandPlace("Brampton Bryan", "WOR", 337, 272),
                              englandPlace("Ledbury Road", "GLS", 360, 240)};
    auto done = tools::correctCounties(places, {geoNames(1, "Hereford", "ENG", "Herefordshire", 351, 240),
                                                geoNames(2, "Malvern", "ENG", "Worcestershire", 378, 245),
                                                geoNames(3, "Tewkesbury", "ENG", "Gloucestershire", 389, 232),
                                                geoNames(4, "Bucknell", "ENG", "Shropshire", 335, 274),
                                                geoNames(5, "Leintwardine", "ENG", "Herefordshire", 340, 274)});
    EXPECT_EQ(done.toHerefordshire, 2);
    EXPECT_EQ(done.impossible, 0);
    // Places of Gloucestershire and Shropshire are no evidence either way; other counties stay.
    EXPECT_EQ(summaries(places, true), (Texts{"HEF", "WOR", "WOR", "HEF", "GLS"}));

    places = {englandPlace("Manchester", "WAR", 384, 398),  englandPlace("Chorlton", "LAN", 381, 394),
              englandPlace("Wythenshawe", "CHS", 382, 389), englandPlace("Gateshead", "YKS", 424, 562),
              englandPlace("Reddish", "LAN", 389, 393),     englandPlace("Heaton", "WAR", 388, 391),
              englandPlace("Bollington", "STS", 392, 377),  englandPlace("Welsh", "GLA", 384, 398),
              englandPlace("Own", "YKS", 384, 398)};
    // Only places of the England list in England are corrected.
    places[7].country = "WLS";
    places[8].origin = tools::Origin::GeoNames;
    done = tools::correctCounties(places, {geoNames(1, "Manchester", "ENG", "Manchester", 384, 398),
                                           geoNames(2, "Gateshead", "ENG", "Gateshead", 425, 563),
                                           geoNames(3, "Stockport", "ENG", "Borough of Stockport", 389, 390),
                                           geoNames(4, "Macclesfield", "ENG", "Cheshire East", 391, 373),
                                           geoNames(5, "Galway", "IRL", "County Galway", 384, 398)});
    EXPECT_EQ(done.impossible, 3);
    // Bollington lies nearest to a place of Cheshire East, no metropolitan borough: unchanged.
    EXPECT_EQ(summaries(places, true), (Texts{"LAN", "LAN", "CHS", "DUR", "LAN", "CHS", "STS", "GLA", "YKS"}));
}

TEST(HistoricCounty, ByAreaAndNameAndEveryRuleMeetsARowOfTheSource)
{
    // An area's county, a place rule within the area, the same name in two areas, no area, an unknown area.
    const std::tuple<const char*, const char*, const char*> cases[] = {
        {"Sir Powys", "Brecon", "BRE"}, {"Sir Powys", "Welshpool", "MGY"},    {"Falkirk", "Bo'ness", "WLN"},
        {"Highland", "Croy", "INV"},    {"North Lanarkshire", "Croy", "DNB"}, {"Uíbh Fhailí", "Tullamore", "OFF"},
        {"", "Passage East", "WAT"},    {"Greater London", "Fulham", "none"}, {"", "Elsewhere", "none"}};
    for (const auto& [area, place, county] : cases)
        EXPECT_EQ(tools::historicCounty(area, place).value_or("none"), county) << place;
    // A misspelt rule would silently leave its place in the area's county.
    auto rows = tools::readGeoNames(text::readFile(std::string(SW_DATA_SOURCES) + "/places_geonames_gb_ie.csv"));
    std::set<std::pair<std::string, std::string>> held;
    std::set<std::string> areas;
    for (const auto& p : rows.places) {
        held.emplace(p.county, p.name);
        areas.insert(p.county);
    }
    for (const tools::AreaRule& r : tools::areaRules())
        EXPECT_TRUE(areas.contains(std::string(r.area))) << r.area;
    for (const tools::PlaceRule& r : tools::placeRules()) {
        std::string_view list = r.places;
        for (std::size_t start = 0, bar = 0; start <= list.size(); start = bar + 1) {
            bar = std::min(list.find('|', start), list.size());
            std::string name(list.substr(start, bar - start));
            EXPECT_TRUE(held.contains({std::string(r.area), name})) << r.area << ": " << name;
        }
    }
}

TEST(PlaceNames, StoredInCp1252WithWhatItLacksFoldedAndMatchedAcrossSpellings)
{
    struct Case {
        const char* utf8;
        const char* stored; // "" when there is no name
        bool baseLetters, apostrophe;
    };
    const Case cases[] = {{"Dún Laoghaire", "D\xFAn Laoghaire", false, false},
                          {"  Padded  ", "Padded", false, false},
                          {"ŴŶ ẁẃẅỳ", "WY wwwy", true, false}, // Welsh letters cp1252 lacks: the base letter
                          {"Bo’ness", "Bo'ness", false, true}, // the typographic apostrophe: the one users type
                          {"Αθήνα", "", false, false},
                          {"Tab\there", "", false, false},
                          {"Bad \xC3", "", false, false}};
    for (const auto& c : cases) {
        tools::StoredName n = tools::storedName(c.utf8);
        EXPECT_EQ(n.ok ? n.text : "", c.stored) << c.utf8;
        EXPECT_EQ(n.baseLetters, c.baseLetters) << c.utf8;
        EXPECT_EQ(n.plainApostrophe, c.apostrophe) << c.utf8;
    }
    const std::pair<const char*, const char*> same[] = {{"Bury St.Edmunds", "Bury Saint Edmunds"},
                                                        {"Shoreham-By-Sea", "Shoreham-by-Sea"},
                                                        {"Oswestry (Croeswallt)", "Oswestry"},
                                                        {"King's Sutton", "Kings Sutton"},
                                                        {"Bo\x92ness", "Bo'ness"},
                                                        {"  Saint   Ives ", "St Ives"}};
    for (const auto& [a, b] : same)
        EXPECT_EQ(tools::matchKey(a), tools::matchKey(b)) << a << " / " << b;
    EXPECT_EQ(tools::matchKey("\xC9lan"), "\xC9LAN");
    EXPECT_NE(tools::matchKey("Newark"), tools::matchKey("Newark on Trent"));
    EXPECT_NE(tools::matchKey("Saintbury"), tools::matchKey("Stbury"));
}

TEST(GridSquare, LetteredSquaresAndFourFigureReferences)
{
    const std::tuple<int, int, bool, const char*> cases[] = {
        {0, 0, false, "SV0000"},   {99, 99, false, "SV9999"},    {100, 0, false, "SW0000"},
        {500, 0, false, "TV0000"}, {344, 1011, false, "HY4411"}, {699, 1299, false, "JM9999"},
        {0, 0, true, "V0000"},     {44, 101, true, "Q4401"},     {499, 499, true, "E9999"},
        {700, 0, false, ""},       {0, 1300, false, ""},         {-1, 5, false, ""},
        {5, -1, false, ""},        {500, 0, true, ""},           {0, 500, true, ""}};
    for (const auto& [e, n, irish, reference] : cases)
        EXPECT_EQ(tools::gridReference(e, n, irish), reference) << e << "," << n << (irish ? " IG" : "");
}

} // namespace
