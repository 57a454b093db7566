// The builder's own checks and measures: the grid conversion against PROJ's results, the England list's cells,
// the county outlier screen, the towns every user expects and the position figures.
#include "csv_table.h"
#include "data_checks.h"
#include "list_cells.h"
#include "national_grid.h"

#include <gtest/gtest.h>

namespace {

using tools::Place;

TEST(NationalGrid, AgreesWithProjWithinAMetreOnBothGrids)
{
    // Latitude, longitude, Irish grid, and PROJ 9.1.1's easting and northing (Helmert datum shifts).
    const std::tuple<double, double, bool, double, double> points[] = {{52.74632, -1.4732, false, 435658.7, 316652.0},
                                                                       {51.50853, -0.12574, false, 530168.5, 180509.4},
                                                                       {53.3498, -6.26031, true, 315899.9, 234671.3},
                                                                       {53.27245, -9.05095, true, 129934.9, 225165.7},
                                                                       {54.59682, -5.92541, true, 334133.0, 374043.0}};
    for (const auto& [lat, lon, irish, e, n] : points) {
        tools::GridPoint g = tools::toNationalGrid(lat, lon, irish);
        EXPECT_NEAR(g.easting, e, 1.0) << lat;
        EXPECT_NEAR(g.northing, n, 1.0) << lat;
    }
}

TEST(ListCells, APlaceLiesInTheSquareWhoseCornerTheCellHoldsAtTheOffsetOfItsShape)
{
    // The cell, the kilometre-square corners it holds, the expected position (reference values from the
    // conversion's Python original): one corner gives 460 m east and 470 m north of it, two one above the other
    // 500 m and 740 m from the lower, none 650 m and 1,110 m from the cell's south-west. West longitudes are cut
    // towards zero, east ones too.
    const std::tuple<double, double, int, double, double> cells[] = {{51.50, -0.12, 1, 530460, 180470},
                                                                     {52.74, -1.48, 2, 435500, 316740},
                                                                     {52.74, -1.47, 0, 435847, 317056},
                                                                     {52.24, 0.10, 1, 544460, 263470}};
    for (const auto& [lat, lon, corners, e, n] : cells) {
        tools::ListCell c = tools::listCellPosition(lat, lon);
        EXPECT_EQ(c.corners, corners) << lat << "," << lon;
        EXPECT_NEAR(c.expected.easting, e, 1.0) << lat << "," << lon;
        EXPECT_NEAR(c.expected.northing, n, 1.0) << lat << "," << lon;
    }
}

TEST(OffLand, DistanceFromTheRingsAndWhatIsLeftOut)
{
    // A 10 km square of land on each grid.
    const tools::Land land = tools::Land::read("grid,ring,seq,e_km,n_km\nBNG,0,0,100,100\nBNG,0,1,110,100\n"
                                               "BNG,0,2,110,110\nBNG,0,3,100,110\nIG,0,0,100,100\nIG,0,1,110,100\n"
                                               "IG,0,2,110,110\nIG,0,3,100,110\n");
    EXPECT_EQ(land.metresOffLand(105000, 105000, false), 0);
    EXPECT_NEAR(land.metresOffLand(111500, 105000, true), 1500, 1e-6);
    EXPECT_NEAR(land.metresOffLand(113000, 114000, false), 5000, 1e-6);
    EXPECT_THROW(tools::Land::read("grid,ring,seq,e_km,n_km\nBNG,0,0,1,1\nBNG,0,1,2,x\n"), tools::SourceError);

    auto place = [](const char* name, double eKm, double nKm, tools::PositionFrom from, bool irish = false) {
        Place p{.name = name, .county = "DEV", .country = "ENG", .irishGrid = irish};
        tools::setPosition(p, eKm * 1000, nKm * 1000, from);
        return p;
    };
    using enum tools::PositionFrom;
    std::vector<Place> places{place("Shore", 111, 105, ListCell),    place("Sea", 111.1, 105, ListCell),
                              place("Firth", 111.9, 105, GeoNames),  place("Out", 112.1, 105, GeoNames),
                              place("Tresco", 89.5, 14.5, ListCell), place("Scilly on IG", 89.5, 14.5, GeoNames, true)};
    tools::OffLandCheck check = tools::leaveOutOffLand(places, land);
    std::vector<std::string> kept;
    kept.reserve(places.size());
    for (const Place& p : places)
        kept.push_back(p.name);
    EXPECT_EQ(kept, (std::vector<std::string>{"Shore", "Firth", "Tresco"}));
    EXPECT_EQ(check.leftOut,
              (std::vector<std::string>{"Sea (DEV, 1.1 km)", "Out (DEV, 2.1 km)", "Scilly on IG (DEV, 86.1 km)"}));
    EXPECT_EQ(std::pair(check.onSmallIslands, check.onGeneralisedCoast), std::pair(1, 1));
}

Place at(std::string name, std::string county, double eKm, double nKm, bool confirmed = false,
         tools::Origin origin = tools::Origin::EnglandList)
{
    Place p{.name = name, .county = county, .country = "ENG", .origin = origin};
    tools::setPosition(p, eKm * 1000, nKm * 1000, tools::PositionFrom::GeoNames);
    p.countyConfirmed = confirmed;
    return p;
}

TEST(CountyScreen, ResolvesByConfirmationIsolationExceptionOrConfirmedNeighboursAndNamesWhatItCannot)
{
    std::vector<Place> places;
    for (int i = 0; i < 10; ++i) // a cluster of Essex, three confirmed by a parish-level source
        places.push_back(at("E" + std::to_string(i), "ESS", 540 + i % 4, 186 + i / 4, i < 3));
    for (int i = 0; i < 10; ++i) // Hertfordshire and Bedfordshire mixed, none confirmed
        places.push_back(at("H" + std::to_string(i), i % 2 ? "HRT" : "BDF", 500 + i % 4, 250 + i / 4));
    places.push_back(at("Redbridge", "SRY", 544, 188)); // in the documented exceptions: becomes Essex
    places.push_back(at("Hill", "KEN", 542, 187, true)); // a parish-level source says Kent: kept
    places.push_back(at("Lundy", "DEV", 213, 144)); // alone: kept
    places.push_back(at("Odd", "SSX", 541, 189)); // among Essex places, three of them confirmed: becomes Essex
    places.push_back(at("Stray", "NFK", 501, 251)); // no county has a confirmed majority: unresolved
    tools::CountyScreen s = tools::screenCounties(places);
    EXPECT_EQ(std::tuple(s.flagged, s.confirmed, s.isolated, s.exceptions), std::tuple(5, 1, 1, 1));
    EXPECT_EQ(s.reassigned, std::vector<std::string>{"Odd: SSX to ESS"});
    EXPECT_EQ(s.unresolved, std::vector<std::string>{"Stray (NFK, 501,251)"});
    EXPECT_EQ(std::tuple(places[20].county, places[23].county, places[24].county), std::tuple("ESS", "ESS", "NFK"));
}

TEST(PositionChecks, FiguresOfThePairsAndTownsWithoutARecordOfTheirName)
{
    // Offsets of 0.3, 0.4 (north), 0.5 and 2 km (east); the last leaves the square.
    const std::vector<std::pair<tools::GridPoint, tools::GridPoint>> pairs{{{1100, 2100}, {1400, 2100}},
                                                                           {{1500, 2500}, {1500, 2100}},
                                                                           {{1100, 2900}, {1600, 2900}},
                                                                           {{3100, 2100}, {1100, 2100}}};
    tools::PositionFigures f = tools::measurePositions(pairs);
    EXPECT_EQ(f.pairs, 4u);
    EXPECT_NEAR(f.medianKm, 0.5, 1e-9); // the upper middle of four
    EXPECT_NEAR(f.p95Km, 2.0, 1e-9);
    EXPECT_NEAR(f.meanEastKm, (-0.3 + 0 - 0.5 + 2) / 4, 1e-9);
    EXPECT_NEAR(f.meanNorthKm, 0.1, 1e-9);
    EXPECT_DOUBLE_EQ(f.sameSquareShare, 0.75);

    tools::SourcePlace town;
    std::tie(town.name, town.country, town.population, town.eastM, town.northM) =
        std::tuple("Quorndon", "ENG", 5200L, 456000.0, 316000.0);
    tools::SourcePlace village = town;
    village.population = 4999;
    village.name = "Nowhere";
    std::vector<Place> places{at("Quorn (Quorndon)", "LEI", 456, 320.9)};
    EXPECT_TRUE(tools::townsWithoutRecord(places, {town, village}).empty()); // the name in brackets, 4.9 km away
    places[0] = at("Quorn (Quorndon)", "LEI", 456, 321.1);
    EXPECT_EQ(tools::townsWithoutRecord(places, {town}), std::vector<std::string>{"Quorndon (ENG)"});
}

} // namespace
