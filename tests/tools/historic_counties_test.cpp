#include "historic_counties.h"
#include "source_places.h"
#include "text/text_file.h"

#include <gtest/gtest.h>

#include <set>

namespace {

TEST(ChapmanCounties, AreUniqueThreeLetterCodesOfTheFiveCountries)
{
    std::set<std::string_view> codes;
    std::map<std::string_view, int> perCountry;
    for (const tools::County& c : tools::chapmanCounties()) {
        EXPECT_EQ(c.code.size(), 3u) << c.code;
        EXPECT_TRUE(codes.insert(c.code).second) << c.code << " twice";
        ++perCountry[c.country];
        EXPECT_EQ(tools::findCounty(c.code), &c);
    }
    EXPECT_EQ(perCountry,
              (std::map<std::string_view, int>{{"ENG", 41}, {"IOM", 1}, {"WLS", 13}, {"SCT", 33}, {"IRL", 32}}));
    EXPECT_EQ(tools::findCounty("XYZ"), nullptr);
}

TEST(HistoricCounty, GivesEachPlaceItsCountyByAreaAndName)
{
    struct Case {
        const char* area;
        const char* place;
        const char* county;
    };
    const Case cases[] = {
        {"Sir Powys", "Brecon", "BRE"},
        {"Sir Powys", "Welshpool", "MGY"},
        {"Sir Powys", "Llandrindod Wells", "RAD"},
        {"Conwy", "Llandudno", "CAE"},
        {"Conwy", "Colwyn Bay", "DEN"},
        {"Gwynedd", "Dolgellau", "MER"},
        {"Gwynedd", "Caernarfon", "CAE"},
        {"The Scottish Borders", "Peebles", "PEE"},
        {"The Scottish Borders", "Selkirk", "SEL"},
        {"The Scottish Borders", "Hawick", "ROX"},
        {"Falkirk", "Bo'ness", "WLN"},
        {"Highland", "Croy", "INV"},
        {"North Lanarkshire", "Croy", "DNB"},
        {"Fermanagh and Omagh", "Omagh", "TYR"},
        {"Uíbh Fhailí", "Tullamore", "OFF"},
        {"County Galway", "Galway", "GAL"},
        {"", "Passage East", "WAT"},
    };
    for (const auto& c : cases) {
        auto county = tools::historicCounty(c.area, c.place);
        ASSERT_TRUE(county.has_value()) << c.place;
        EXPECT_EQ(*county, c.county) << c.place;
    }
    EXPECT_FALSE(tools::historicCounty("Greater London", "Fulham").has_value());
    EXPECT_FALSE(tools::historicCounty("", "Elsewhere").has_value());
}

TEST(HistoricCounty, RulesNameKnownCountiesOfWalesScotlandAndIreland)
{
    for (const tools::AreaRule& r : tools::areaRules()) {
        const tools::County* c = tools::findCounty(r.code);
        ASSERT_NE(c, nullptr) << r.area;
        EXPECT_TRUE(c->country == "WLS" || c->country == "SCT" || c->country == "IRL") << r.area;
    }
    for (const tools::PlaceRule& r : tools::placeRules()) {
        const tools::County* c = tools::findCounty(r.code);
        ASSERT_NE(c, nullptr) << r.places;
        // An exception stays within the country of its area's rule.
        auto areaCounty = tools::historicCounty(r.area, "(no such place)");
        if (areaCounty) {
            EXPECT_EQ(tools::findCounty(*areaCounty)->country, c->country) << r.places;
        }
    }
}

TEST(HistoricCounty, EveryRuleMeetsARowOfTheGeoNamesSource)
{
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
        for (std::size_t start = 0; start <= list.size();) {
            std::size_t bar = std::min(list.find('|', start), list.size());
            std::string name(list.substr(start, bar - start));
            EXPECT_TRUE(held.contains({std::string(r.area), name})) << r.area << ": " << name;
            start = bar + 1;
        }
    }
}

TEST(StoredCountry, ScotlandIsSctAndTheWholeIslandOfIrelandIsIrl)
{
    EXPECT_EQ(tools::storedCountry("SCO"), "SCT");
    EXPECT_EQ(tools::storedCountry("NIR"), "IRL");
    EXPECT_EQ(tools::storedCountry("IRL"), "IRL");
    EXPECT_EQ(tools::storedCountry("WLS"), "WLS");
    EXPECT_EQ(tools::storedCountry("ENG"), "ENG");
}

} // namespace
