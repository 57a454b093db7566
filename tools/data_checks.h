#pragma once
// The checks the builder makes of what it built, failing the build where a
// record cannot be trusted: the county outlier screen and the towns every
// user expects; and the measure of its positions against independent ones.
#include "coast_rings.h"
#include "national_grid.h"
#include "places.h"
#include "source_places.h"

#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tools {

// The county screen flags a record when no record of its county lies within
// this distance, or when none of its ten nearest neighbours shares its county.
inline constexpr double kOutlierKm = 8.0;
inline constexpr std::size_t kNeighbours = 10;
// A flagged England-list record takes the county most of its ten nearest neighbours share when at least
// kMajority do, kConfirmedMajority of them with the county a parish-level source gives.
inline constexpr std::size_t kMajority = 6;
inline constexpr std::size_t kConfirmedMajority = 3;
// A flagged record with fewer other records than this within kOutlierKm has nothing to be judged against.
inline constexpr std::size_t kIsolatedBelow = 3;

struct CountyException {
    std::string_view name; // as stored
    std::string_view county; // as flagged
    int easting, northing; // whole km
    std::string_view becomes; // the county it keeps or is given
    std::string_view why;
};
std::span<const CountyException> countyExceptions();

struct CountyScreen {
    int flagged = 0;
    int confirmed = 0; // the county a parish-level source or the historic county tables give: kept
    int isolated = 0; // an island or a remote place: kept
    std::vector<std::string> reassigned; // "Name: ABC to DEF"
    int exceptions = 0; // in the documented list: kept or corrected as it says
    std::vector<std::string> unresolved;
};

// Runs the screen and resolves what it flags, in the order above; the counties of reassigned records change.
CountyScreen screenCounties(std::vector<Place>& places);

// A record farther than kOffLandM from every land ring is left out: its position is in the sea. A position from a
// source that gives the place's own point (not the England list's cell) is left out only beyond kPointOffLandM,
// since the rings are generalised by up to two kilometres in firths and estuaries (North Queensferry lies 1.7 km
// off them). A record on one of the small islands the rings lack is kept.
inline constexpr double kOffLandM = 1000.0;
inline constexpr double kPointOffLandM = 2000.0;

struct SmallIsland {
    std::string_view name;
    bool irishGrid;
    int west, south, east, north; // whole km: a box around the island
};
std::span<const SmallIsland> smallIslands();

struct OffLandCheck {
    int onSmallIslands = 0; // off every ring, on an island the rings lack: kept
    int onGeneralisedCoast = 0; // a point of its own 1 to 2 km off the rings: kept
    std::vector<std::string> leftOut; // "Name (CTY, 1.2 km)"
};

// Leaves out the records off land, as above, keeping the order of the rest.
OffLandCheck leaveOutOffLand(std::vector<Place>& places, const Land& land);

struct PositionFigures {
    std::size_t pairs = 0;
    double medianKm = 0, p95Km = 0;
    double meanNorthKm = 0, meanEastKm = 0; // the record's position less the independent one
    double sameSquareShare = 0; // both in the same whole-km square
};

// Each pair: the position given, and an independent position of the same place.
PositionFigures measurePositions(const std::vector<std::pair<GridPoint, GridPoint>>& pairs);

// Records positioned from GeoNames (populated or postal places) and Index Villaris points on OpenStreetMap of the
// same name within 5 km: the OpenStreetMap point is independent of GeoNames.
std::vector<std::pair<GridPoint, GridPoint>> geoNamesVsOpenStreetMap(const std::vector<Place>& places,
                                                                     const std::vector<SourcePlace>& villaris);

// GeoNames places of this many people or more without a record of their name within 5 km: "Name (ENG)".
inline constexpr long kTownCheckPopulation = 5000;
std::vector<std::string> townsWithoutRecord(const std::vector<Place>& places, const std::vector<SourcePlace>& geoNames);

std::string describe(const PositionFigures& f);

} // namespace tools
