// Reading the open sources (the places read as a whole are pinned by the rebuild of the shipped data): the CSV tables,
// the place lists, the coastlines and the sheet list.
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

TEST(SourcePlaces, SetBadRowsAsideWithTheirLineAndReason)
{
    const std::string name46(46, 'N');
    // England list (E) or GeoNames (G), the row, the report of line 3. Fields the reader never reaches are left empty.
    const std::tuple<char, std::string, std::string> cases[] = {
        {'E', ",,,,,,,,,", "no name"},
        {'E', name46 + ",,,,,,,,,", "the name is longer than 45 characters: \"" + name46 + "\""},
        {'E', "~G,,,,,,,,,", "the name begins with \"~\", the mark of a record to be removed: \"~G\""},
        {'E', "// Database Version,,,,,,,,,", "the name begins like the version record: \"// Database Version\""},
        {'E', "Far,LEI,,ENG,,,,315,SK3515,", "no easting or northing: \"Far\""},
        {'E', "Ruxton,HEF,,ENG,,,355,-5311,SO5500,", "northing \"-5311\" is not a whole number: \"Ruxton\""},
        {'E', "Sea,CON,,ENG,,,700,10,SV0010,", "the position 700,10 is off the British grid: \"Sea\""},
        {'E', "Zero,CON,,ENG,,,0,10,SV0010,", "the position 0,10 is off the British grid: \"Zero\""},
        {'E', "Off,CON,,ENG,,,92,11,SV9212,",
         "the grid reference \"SV9212\" disagrees with the position (SV9211): \"Off\""},
        {'E', "Hay,BRE,,ENG,,,304,228,SO0428,", "the county code \"BRE\" is not one of ENG: \"Hay\""},
        {'E', "Hay,BRE,,WLS,,,304,228,SO0428,", "the country \"WLS\" is not England or the Isle of Man: \"Hay\""},
        {'E', "Short,LEI,,ENG,,,435,315,SK3515", "expected 10 fields, found 9: \"Short\""},
        {'E', "Lat,LEI,,ENG,52.7x,-1.47,435,315,SK3515,", "latitude \"52.7x\" is not a number: \"Lat\""},
        {'G', "1,Kyrenia,,,CYP,,,,,,,,", "the country \"CYP\" is not in Great Britain or Ireland: \"Kyrenia\""},
        {'G', "1,Cork,,PPL,IRL,Cork,1,,,BNG,167,71,W6771", "the grid \"BNG\" is not the grid of IRL: \"Cork\""},
        {'G', "1,Far,,PPL,IRL,Kerry,1,,,IG,500,71,V0071", "the position 500,71 is off the Irish grid: \"Far\""},
        {'G', "x1,Odd,,,,,,,,,,,", "geonameid \"x1\" is not a whole number: \"Odd\""},
        {'G', "1,Αθήνα,,,,,,,,,,,", "the name has a character cp1252 lacks: \"Αθήνα\""}};
    for (const auto& [list, row, report] : cases) {
        // The good row before it is read, the bad one is not.
        auto rows = list == 'G' ? tools::readGeoNames(
                        kGeoNamesHeader + "2,Good,,PPL,ENG,Kent,1,51.37,1.13,BNG,617,168,TR1768\r\n" + row)
                                : tools::readEnglandList(
                                    kEnglandHeader + "Good,LEI,,ENG,52.74,-1.47,435,315,SK3515,\r\n" + row + "\r\n");
        EXPECT_EQ(rows.places.size(), 1u) << row;
        EXPECT_EQ(described(rows.bad), Texts{std::string(list == 'G' ? tools::kGeoNamesFile : tools::kEnglandListFile)
                                             + " line 3: " + report});
    }
}

TEST(SourcePlaces, TheParishLevelListsReadTheirCountiesAndLeaveOutWhatHasNoPosition)
{
    auto villaris = tools::readVillaris("name,lat,lon,easting,northing,county,chapman,country,type,hundred,"
                                        "position_method,source_id\n"
                                        "Thorney,,,528100,303900,,CAM,England,parish,,osm-node,\n"
                                        "Ecclesfield,,,435000,394000,,WRY,England,settlement,,iv1680-tps,\n"
                                        "Hay,,,322900,242200,,BRE,England,seat,,osm-node,\n");
    ASSERT_EQ(villaris.places.size(), 2u);
    EXPECT_EQ(std::tuple(villaris.places[0].county, villaris.places[0].precise, villaris.places[0].parish,
                         villaris.places[0].easting, villaris.places[1].county, villaris.places[1].precise),
              std::tuple("CAM", true, true, 528, "YKS", false)); // a riding is stored as Yorkshire
    EXPECT_EQ(described(villaris.bad),
              Texts{"ew_index_villaris_1680.csv line 4: the county code \"BRE\" is not one of ENG: \"Hay\""});
    int unpositioned = 0;
    auto parishes = tools::readScottishParishes("name,lat,lon,easting,northing,county,chapman,country,type,"
                                                "position_method,source_id\n"
                                                "Bressay,,,,,Shetland,SHI,Scotland,parish,unpositioned,\n"
                                                "Lerwick,,,447700,1141300,Shetland,SHI,Scotland,parish,"
                                                "geonames-name-match,\n",
                                                unpositioned);
    EXPECT_EQ(std::tuple(parishes.places.size(), unpositioned, parishes.places[0].name, parishes.places[0].precise),
              std::tuple(1u, 1, "Lerwick", true));
    auto postal = tools::readPostal("name,lat,lon,grid,easting,northing,county_modern,country,source_id\n"
                                    "Belfast,,,BNG,0,0,Belfast,Northern Ireland,\nAtlantis,,,BNG,1,1,,Elsewhere,\n");
    EXPECT_TRUE(postal.places.empty()); // Northern Ireland is on the British grid there: not read
    EXPECT_EQ(described(postal.bad), Texts{"gb_places_geonames_postal.csv line 3: the country \"Elsewhere\" is not in "
                                           "Great Britain or Ireland: \"Atlantis\""});
}

TEST(PlotAndMapFiles, KeepEveryGoodLineAsItStandsAndNameEachBadOne)
{
    std::vector<BadRow> bad;
    EXPECT_EQ(tools::coastlineFile(
                  "   135    23\r\n134 27\r\n   135    27\n   700    27\r\n   135    27 and more\r\n     0     0",
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
                     "coast.txt line 4: not a vertex on the grid: \"   700    27\"",
                     "coast.txt line 5: not a vertex on the grid: \"   135    27 and more\"",
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
