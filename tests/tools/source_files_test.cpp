// Reading the open sources: the CSV tables, the place lists, the coastlines and the sheet list.
#include "csv_table.h"
#include "map_files.h"
#include "plot_files.h"
#include "source_places.h"

#include <gtest/gtest.h>

using tools::BadRow;
using tools::CsvTable;
using Texts = std::vector<std::string>;

namespace {

Texts described(const std::vector<BadRow>& bad)
{
    Texts out;
    for (const BadRow& b : bad)
        out.push_back(tools::describe(b));
    return out;
}

// line|name|county|country|easting,northing followed by the flags that are set.
std::string summary(const tools::SourcePlace& p)
{
    return std::to_string(p.line) + "|" + p.name + "|" + p.county + "|" + p.country + "|" + std::to_string(p.easting)
           + "," + std::to_string(p.northing) + (p.irishGrid ? " IG" : "") + (p.flaggedNotSettlement ? " flagged" : "")
           + (p.plainApostrophe ? " apostrophe" : "") + (p.population ? " " + std::to_string(p.population) : "");
}

TEST(CsvTable, ReadsQuotedFieldsCountsLinesFromTheHeaderAndRefusesWhatCannotBeRead)
{
    CsvTable t = CsvTable::parse("name,county\r\nAmpthill,BDF\r\n\"Village, The\",BRK\r\n\r\n\"Say \"\"hi\"\"\",\r\n"
                                 "\"Two\nlines\",X\r\nLast,Y,Z",
                                 "x.csv");
    EXPECT_EQ(t.column("county"), 1u);
    Texts rows;
    for (const auto& r : t.rows()) {
        rows.push_back(std::to_string(r.line));
        for (const auto& f : r.fields)
            rows.back() += "|" + f;
    }
    EXPECT_EQ(rows, (Texts{"2|Ampthill|BDF", "3|Village, The|BRK", "5|Say \"hi\"|", "6|Two\nlines|X", "8|Last|Y|Z"}));
    const std::pair<const char*, const char*> errors[] = {
        {"\r\n\r\n", "x.csv: no header line"},
        {"a,b\nok,1\n\"open,2\n", "x.csv line 3: a quoted field is never closed"},
        {"a,b\n\"closed\"x,2\n", "x.csv line 2: text follows a closing quote"},
        {"a,b\n", "x.csv: no column \"c\""},
    };
    for (const auto& [text, error] : errors) {
        try {
            CsvTable::parse(text, "x.csv").column("c");
            ADD_FAILURE() << "no error: " << error;
        } catch (const tools::SourceError& e) {
            EXPECT_STREQ(e.what(), error);
        }
    }
}

const std::string kEnglandHeader =
    "name,chapman,hist_county,country,lat,lon,e_km,n_km,gridref,maybe_not_settlement\r\n";
const std::string kGeoNamesHeader =
    "geonameid,name,asciiname,feature_code,country,county_geonames,population,lat,lon,grid,e_km,n_km,gridref\r\n";

TEST(SourcePlaces, ReadsThePlacesOfBothLists)
{
    auto england = tools::readEnglandList(kEnglandHeader
                                          + "Ashby-de-la-Zouch,LEI,Leicestershire,ENG,52.75,-1.47,435,315,SK3515,\r\n"
                                            "\"Bog, The\",SAL,Shropshire,ENG,52.56,-2.96,335,296,SO3596,Y\r\n"
                                            "Douglas,IOM,Isle of Man,IOM,54.15,-4.48,237,475,SC3775,\r\n");
    EXPECT_EQ(described(england.bad), Texts{});
    auto geo =
        tools::readGeoNames(kGeoNamesHeader
                            + "2964180,Gaillimh,Gaillimh,PPLA,IRL,County Galway,83456,53.27,-9.05,IG,129,225,M2925\r\n"
                              "8299999,Bo’ness,Bo'ness,PPL,SCO,Falkirk,,56.0,-3.6,BNG,299,681,NS9981\r\n");
    EXPECT_EQ(described(geo.bad), Texts{});
    Texts read;
    for (const auto* rows : {&england, &geo})
        for (const auto& p : rows->places)
            read.push_back(summary(p));
    EXPECT_EQ(read, (Texts{"2|Ashby-de-la-Zouch|LEI|ENG|435,315", "3|Bog, The|SAL|ENG|335,296 flagged",
                           "4|Douglas|IOM|IOM|237,475", "2|Gaillimh|County Galway|IRL|129,225 IG 83456",
                           "3|Bo'ness|Falkirk|SCO|299,681 apostrophe"}));
    EXPECT_EQ(geo.places[0].geonameId, 2964180);
    EXPECT_EQ(geo.places[0].featureCode, "PPLA");
    EXPECT_THROW(tools::readEnglandList("name,chapman\r\nA,LEI\r\n"), tools::SourceError); // a missing column
}

TEST(SourcePlaces, SetBadRowsAsideWithTheirLineAndReason)
{
    const std::string name46(46, 'N');
    // GeoNames list or not, the row, the report of line 3
    const std::tuple<bool, std::string, std::string> cases[] = {
        {false, ",CON,I,ENG,49,-6,92,11,SV9211,", "no name"},
        {false, name46 + ",LEI,L,ENG,52,-1,435,315,SK3515,",
         "the name is longer than 45 characters: \"" + name46 + "\""},
        {false, "~Gone,LEI,L,ENG,52,-1,435,315,SK3515,",
         "the name begins with \"~\", the mark of a record to be removed: \"~Gone\""},
        {false, "// Database Version 9,LEI,L,ENG,52,-1,435,315,SK3515,",
         "the name begins like the version record: \"// Database Version 9\""},
        {false, "Far,LEI,L,ENG,52,-1,,315,SK3515,", "no easting or northing: \"Far\""},
        {false, "Ruxton,HEF,H,ENG,52,-1,355,-5311,SO5500,", "northing \"-5311\" is not a whole number: \"Ruxton\""},
        {false, "Sea,CON,C,ENG,52,-1,700,10,SV0010,", "the position 700,10 is off the British grid: \"Sea\""},
        {false, "Zero,CON,C,ENG,52,-1,0,10,SV0010,", "the position 0,10 is off the British grid: \"Zero\""},
        {false, "Off,LEI,L,ENG,52,-1,435,315,SK3516,",
         "the grid reference \"SK3516\" disagrees with the position (SK3515): \"Off\""},
        {false, "Brecon,BRE,B,ENG,52,-1,304,228,SO0428,", "the county code \"BRE\" is not one of ENG: \"Brecon\""},
        {false, "Brecon,BRE,B,WLS,52,-1,304,228,SO0428,",
         "the country \"WLS\" is not England or the Isle of Man: \"Brecon\""},
        {false, "Short,LEI,L,ENG,52,-1,435,315,SK3515", "expected 10 fields, found 9: \"Short\""},
        {true, "1,Akrotiri,A,PPL,CYP,X,1,34,33,BNG,100,100,SV0000",
         "the country \"CYP\" is not in Great Britain or Ireland: \"Akrotiri\""},
        {true, "1,Cork,C,PPL,IRL,County Cork,1,51,-8,BNG,167,71,W6771",
         "the grid \"BNG\" is not the grid of IRL: \"Cork\""},
        {true, "1,Far,F,PPL,IRL,Kerry,1,51,-8,IG,500,71,V0071", "the position 500,71 is off the Irish grid: \"Far\""},
        {true, "x1,Odd,O,PPL,WLS,Gwynedd,1,52,-4,BNG,257,372,SH5772",
         "geonameid \"x1\" is not a whole number: \"Odd\""},
        {true, "1,Αθήνα,A,PPL,WLS,Gwynedd,1,52,-4,BNG,257,372,SH5772",
         "the name has a character cp1252 lacks: \"Αθήνα\""}};
    for (const auto& [isGeoNames, row, report] : cases) {
        // The good row before it is read, the bad one is not.
        auto rows =
            isGeoNames
                ? tools::readGeoNames(kGeoNamesHeader + "2,Good,G,PPL,ENG,Kent,1,51,1,BNG,617,168,TR1768\r\n" + row)
                : tools::readEnglandList(kEnglandHeader + "Good,LEI,L,ENG,52,-1,435,315,SK3515,\r\n" + row + "\r\n");
        EXPECT_EQ(rows.places.size(), 1u) << row;
        EXPECT_EQ(described(rows.bad), Texts{std::string(isGeoNames ? tools::kGeoNamesFile : tools::kEnglandListFile)
                                             + " line 3: " + report});
    }
}

TEST(PlotAndMapFiles, KeepEveryGoodLineAsItStandsAndNameEachBadOne)
{
    std::vector<BadRow> bad;
    EXPECT_EQ(tools::coastlineFile("   135    23\r\n134 27\r\n   135    27\n\r\n   700    27\r\n"
                                   "   135    27 and more\r\n     0     0",
                                   "coast.txt", false, bad),
              "   135    23\r\n   135    27\r\n     0     0\r\n");
    EXPECT_EQ(tools::coastlineFile("   499   499\r\n   500   499\r\n", "irl.txt", true, bad), "   499   499\r\n");
    EXPECT_EQ(tools::placeFile("London                      530   180\r\n  Padded Name               530   180\r\n"
                               "                            530   180\r\nNowhere                      12\r\n",
                               "towns.txt", false, bad),
              "London                      530   180\r\nPadded Name                 530   180\r\n");
    EXPECT_EQ(tools::mapListText(
                  "LR  14291180N4691220\r\nLR 95220 460I240 500\r\nDI  1100 300N141 330\r\n"
                  "LR  2433 156N473 196\r\nXX  3414 147N454 187\r\nLR  4414 147X454 187\r\nLR  5414 147N455 187\r\n"
                  "LR  6454 147I414 187\r\nLR  7414 1x7N454 187\r\nLR  8414 147N454 18\r\n",
                  "Maplist_LR.txt", bad),
              "LR  14291180N4691220\r\nLR 95220 460I240 500\r\nDI  1100 300N141 330\r\nLR  2433 156N473 196\r\n");
    EXPECT_EQ(described(bad),
              (Texts{"coast.txt line 2: not a vertex on the grid: \"134 27\"",
                     "coast.txt line 4: not a vertex on the grid: \"\"",
                     "coast.txt line 5: not a vertex on the grid: \"   700    27\"",
                     "coast.txt line 6: not a vertex on the grid: \"   135    27 and more\"",
                     "irl.txt line 2: not a vertex on the grid: \"   500   499\"",
                     "towns.txt line 3: not a place on the grid: \"                            530   180\"",
                     "towns.txt line 4: not a place on the grid: \"Nowhere                      12\"",
                     "Maplist_LR.txt line 5: unknown series: \"XX  3414 147N454 187\"",
                     "Maplist_LR.txt line 6: the inset flag is neither N nor I: \"LR  4414 147X454 187\"",
                     "Maplist_LR.txt line 7: an ordinary Landranger sheet is 40 km square: \"LR  5414 147N455 187\"",
                     "Maplist_LR.txt line 8: the sheet has no area: \"LR  6454 147I414 187\"",
                     "Maplist_LR.txt line 9: an edge is not a whole number of km: \"LR  7414 1x7N454 187\"",
                     "Maplist_LR.txt line 10: a sheet line has exactly 20 characters: \"LR  8414 147N454 18\""}));
}

} // namespace
