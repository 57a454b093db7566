#include "csv_table.h"
#include "source_places.h"

#include <gtest/gtest.h>

using tools::SourcePlace;

namespace {

const std::string kEnglandHeader =
    "name,chapman,hist_county,country,lat,lon,e_km,n_km,gridref,maybe_not_settlement\r\n";
const std::string kGeoNamesHeader =
    "geonameid,name,asciiname,feature_code,country,county_geonames,population,lat,lon,grid,e_km,n_km,gridref\r\n";

std::string firstBad(const tools::SourceRows& rows)
{
    if (rows.bad.empty())
        return "(accepted)";
    return tools::describe(rows.bad.front());
}

TEST(ReadEnglandList, ReadsAPlaceWithItsCountyAndFlag)
{
    auto rows = tools::readEnglandList(kEnglandHeader
                                       + "Ashby-de-la-Zouch,LEI,Leicestershire,ENG,52.75,-1.47,435,315,SK3515,\r\n"
                                         "\"Bog, The\",SAL,Shropshire,ENG,52.56,-2.96,335,296,SO3596,Y\r\n"
                                         "Douglas,IOM,Isle of Man,IOM,54.15,-4.48,237,475,SC3775,\r\n");
    ASSERT_EQ(rows.bad.size(), 0u) << firstBad(rows);
    ASSERT_EQ(rows.places.size(), 3u);
    const SourcePlace& a = rows.places[0];
    EXPECT_EQ(a.source, tools::Source::EnglandList);
    EXPECT_EQ(a.line, 2);
    EXPECT_EQ(a.name, "Ashby-de-la-Zouch");
    EXPECT_EQ(a.county, "LEI");
    EXPECT_EQ(a.country, "ENG");
    EXPECT_EQ(a.easting, 435);
    EXPECT_EQ(a.northing, 315);
    EXPECT_FALSE(a.irishGrid);
    EXPECT_FALSE(a.flaggedNotSettlement);
    EXPECT_EQ(rows.places[1].name, "Bog, The");
    EXPECT_TRUE(rows.places[1].flaggedNotSettlement);
    EXPECT_EQ(rows.places[2].county, "IOM");
}

TEST(ReadEnglandList, SetsBadRowsAsideWithTheirLineAndReason)
{
    const std::string name46(46, 'N');
    struct Case {
        std::string row;
        std::string report;
    };
    const Case cases[] = {
        {",CON,Isles of Scilly,ENG,49.92,-6.29,92,11,SV9211,", "line 3: no name"},
        {name46 + ",LEI,L,ENG,52,-1,435,315,SK3515,",
         "line 3: the name is longer than 45 characters: \"" + name46 + "\""},
        {"~Gone,LEI,L,ENG,52,-1,435,315,SK3515,",
         "line 3: the name begins with \"~\", the mark of a record to be removed: \"~Gone\""},
        {"// Database Version 9,LEI,L,ENG,52,-1,435,315,SK3515,",
         "line 3: the name begins like the version record: \"// Database Version 9\""},
        {"Far,LEI,L,ENG,52,-1,,315,SK3515,", "line 3: no easting or northing: \"Far\""},
        {"Ruxton,HEF,H,ENG,52,-1,355,-5311,SO5500,", "line 3: northing \"-5311\" is not a whole number: \"Ruxton\""},
        {"Sea,CON,C,ENG,52,-1,700,10,SV0010,", "line 3: the position 700,10 is off the British grid: \"Sea\""},
        {"Zero,CON,C,ENG,52,-1,0,10,SV0010,", "line 3: the position 0,10 is off the British grid: \"Zero\""},
        {"Off,LEI,L,ENG,52,-1,435,315,SK3516,",
         "line 3: the grid reference \"SK3516\" disagrees with the position (SK3515): \"Off\""},
        {"Nowhere,XYZ,L,ENG,52,-1,435,315,SK3515,", "line 3: the county code \"XYZ\" is not one of ENG: \"Nowhere\""},
        {"Brecon,BRE,B,ENG,52,-1,304,228,SO0428,", "line 3: the county code \"BRE\" is not one of ENG: \"Brecon\""},
        {"Brecon,BRE,B,WLS,52,-1,304,228,SO0428,",
         "line 3: the country \"WLS\" is not England or the Isle of Man: \"Brecon\""},
        {"Short,LEI,L,ENG,52,-1,435,315,SK3515", "line 3: expected 10 fields, found 9: \"Short\""},
    };
    for (const auto& c : cases) {
        auto rows =
            tools::readEnglandList(kEnglandHeader + "Good,LEI,L,ENG,52,-1,435,315,SK3515,\r\n" + c.row + "\r\n");
        ASSERT_EQ(rows.places.size(), 1u) << c.row; // the good row is read, the bad one is not
        ASSERT_EQ(rows.bad.size(), 1u) << c.row;
        EXPECT_EQ(tools::describe(rows.bad[0]), std::string(tools::kEnglandListFile) + " " + c.report);
    }
}

TEST(ReadGeoNames, ReadsBritishAndIrishPlaces)
{
    auto rows = tools::readGeoNames(
        kGeoNamesHeader
        + "2964180,Gaillimh,Gaillimh,PPLA,IRL,County Galway,83456,53.27,-9.05,IG,129,225,M2925\r\n"
          "2643736,Derry,Derry,PPLA2,NIR,Derry City and Strabane,83652,55.0,-7.3,IG,244,416,C4416\r\n"
          "8299999,Bo’ness,Bo'ness,PPL,SCO,Falkirk,,56.0,-3.6,BNG,299,681,NS9981\r\n");
    ASSERT_EQ(rows.bad.size(), 0u) << firstBad(rows);
    ASSERT_EQ(rows.places.size(), 3u);
    const SourcePlace& g = rows.places[0];
    EXPECT_EQ(g.source, tools::Source::GeoNames);
    EXPECT_EQ(g.geonameId, 2964180);
    EXPECT_EQ(g.name, "Gaillimh");
    EXPECT_EQ(g.featureCode, "PPLA");
    EXPECT_EQ(g.county, "County Galway");
    EXPECT_EQ(g.population, 83456);
    EXPECT_TRUE(g.irishGrid);
    EXPECT_EQ(g.easting, 129);
    EXPECT_TRUE(rows.places[1].irishGrid);
    EXPECT_EQ(rows.places[2].name, "Bo'ness");
    EXPECT_TRUE(rows.places[2].plainApostrophe);
    EXPECT_EQ(rows.places[2].population, 0);
}

TEST(ReadGeoNames, SetsBadRowsAside)
{
    struct Case {
        std::string row;
        std::string report;
    };
    const Case cases[] = {
        {"1,Akrotiri,A,PPL,CYP,X,1,34,33,BNG,100,100,SV0000",
         "line 2: the country \"CYP\" is not in Great Britain or Ireland: \"Akrotiri\""},
        {"1,Cork,C,PPL,IRL,County Cork,1,51,-8,BNG,167,71,W6771",
         "line 2: the grid \"BNG\" is not the grid of IRL: \"Cork\""},
        {"1,Belfast,B,PPL,NIR,City of Belfast,1,54,-5,IG,334,374,J3474X",
         "line 2: the grid reference \"J3474X\" disagrees with the position (J3474): \"Belfast\""},
        {"1,Far,F,PPL,IRL,Kerry,1,51,-8,IG,500,71,V0071", "line 2: the position 500,71 is off the Irish grid: \"Far\""},
        {"x1,Odd,O,PPL,WLS,Gwynedd,1,52,-4,BNG,257,372,SH5772",
         "line 2: geonameid \"x1\" is not a whole number: \"Odd\""},
        {"1,Odd,O,PPL,WLS,Gwynedd,many,52,-4,BNG,257,372,SH5772",
         "line 2: population \"many\" is not a whole number: \"Odd\""},
        {"1,Αθήνα,A,PPL,WLS,Gwynedd,1,52,-4,BNG,257,372,SH5772",
         "line 2: the name has a character cp1252 lacks: \"Αθήνα\""},
    };
    for (const auto& c : cases) {
        auto rows = tools::readGeoNames(kGeoNamesHeader + c.row + "\r\n");
        EXPECT_TRUE(rows.places.empty()) << c.row;
        ASSERT_EQ(rows.bad.size(), 1u) << c.row;
        EXPECT_EQ(tools::describe(rows.bad[0]), std::string(tools::kGeoNamesFile) + " " + c.report);
    }
}

TEST(ReadSources, AMissingColumnStopsTheBuild)
{
    EXPECT_THROW(tools::readEnglandList("name,chapman\r\nA,LEI\r\n"), tools::SourceError);
    EXPECT_THROW(tools::readGeoNames(kEnglandHeader), tools::SourceError);
}

} // namespace
