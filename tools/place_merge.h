#pragma once
// One list of places from the sources, each place once.
//
// England and the Isle of Man come from the England list, which gives the
// name and the historic county. Each place takes its position from the most
// precise source that holds it (the same name within 5 km): GeoNames' populated
// places, then GeoNames' postal places, then Index Villaris points matched to
// OpenStreetMap, and only then the expected position of the list's own cell.
// Index Villaris, a gazetteer of 1680 by historic county, gives the county
// where it holds the place. A row the England list flags as perhaps not a
// settlement is kept when GeoNames lists it as a populated place; rivers,
// rocks and reefs are left out; a place the list holds under two names, each
// giving the other in brackets, is one record.
//
// Wales and Scotland come from GeoNames' populated and postal places, Index
// Villaris' points of Wales and the parishes of Scotland's registers, each
// place once; the county from Index Villaris or the parish list where they
// hold the place, else from the nearest place they hold (GeoNames' towns:
// from the historic county tables). Ireland: GeoNames' towns and the civil
// parishes of the townland source. Two places of one kind with the same name
// within 2 km are one place.
#include "national_grid.h"
#include "places.h"
#include "source_places.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tools {

inline constexpr int kSamePlaceKm = 5;
inline constexpr int kDuplicateKm = 2;
// A GeoNames town of England the England list lacks is added from this many people.
inline constexpr long kTownPopulation = 5000;

struct MergeSources {
    const std::vector<SourcePlace>& englandList;
    const std::vector<SourcePlace>& geoNames;
    const std::vector<SourcePlace>& postal;
    const std::vector<SourcePlace>& villaris;
    const std::vector<SourcePlace>& scottishParishes;
    const std::vector<SourcePlace>& irishParishes;
};

struct MergeStats {
    int geoNamesPositions = 0; // England-list places given GeoNames' position and type
    int postalPositions = 0; // ... GeoNames' postal position
    int villarisPositions = 0; // ... an Index Villaris point on OpenStreetMap
    int listCellPositions = 0; // ... the expected position of the list's cell
    int villarisCounties = 0; // England-list counties Index Villaris corrects
    int flaggedKept = 0; // flagged rows kept because GeoNames lists them
    int flaggedLeftOut = 0;
    std::vector<std::string> notPlaces; // rivers, rocks and reefs by name, and GeoNames rows of no place
    std::vector<std::string> aliases; // England-list rows that are another row's place under its other name
    std::vector<std::string> crossBorder; // England-list rows GeoNames places in Wales or Scotland
    int duplicates = 0;
    int englishNames = 0; // Irish names given their English name
    int geoNamesEnglandAdded = 0; // GeoNames towns of England the England list lacks
    int geoNamesEnglandUnused = 0; // GeoNames rows of England and Man the England list lacks, not towns
    int unpositionedParishes = 0; // Scottish parishes without a position
    std::vector<BadRow> noCounty; // GeoNames rows of an area the county tables do not know
    // England-list places GeoNames holds: the expected position of the list's cell, and GeoNames' point.
    std::vector<std::pair<GridPoint, GridPoint>> cellVsGeoNames;
    // ... those of odd lines of the England list, which the cell offsets were not fitted on.
    std::vector<std::pair<GridPoint, GridPoint>> cellVsGeoNamesHeldOut;
};

std::vector<Place> mergeSources(const MergeSources& sources, MergeStats& stats);

// Why a name of the England list is no settlement (a river, rock or reef); nothing when it may be one.
std::optional<std::string_view> notASettlement(std::string_view storedName);

} // namespace tools
