#pragma once
// One list of places from the two sources, each place once.
//
// England and the Isle of Man come from the England list, which gives the
// historic county; where GeoNames holds the same place (the same name, within
// 5 km) the record takes GeoNames' position, given to five decimals of a
// degree rather than two, and its type. A row the England list flags as
// perhaps not a settlement is kept when GeoNames lists it as a populated place.
// Where the England list puts a place that GeoNames places in Wales or
// Scotland into an English county, GeoNames wins. Wales, Scotland and the
// whole of Ireland come from GeoNames, with historic counties from the tables.
// Two places of one source with the same name within 2 km are one place.
#include "places.h"
#include "source_places.h"

#include <string>
#include <vector>

namespace tools {

inline constexpr int kSamePlaceKm = 5;
inline constexpr int kDuplicateKm = 2;

struct MergeStats {
    int geoNamesPositions = 0; // England-list places given GeoNames' position and type
    int flaggedKept = 0; // flagged rows kept because GeoNames lists them
    int flaggedLeftOut = 0;
    std::vector<std::string> crossBorder; // England-list rows GeoNames places in Wales or Scotland
    int duplicates = 0;
    int englishNames = 0; // Irish names given their English name
    std::vector<std::string> notPlaces; // GeoNames rows left out as no place of their own
    int geoNamesEnglandUnused = 0; // GeoNames rows of England and Man the England list lacks
    std::vector<BadRow> noCounty; // GeoNames rows of an area the county tables do not know
};

std::vector<Place> mergeSources(const std::vector<SourcePlace>& englandList, const std::vector<SourcePlace>& geoNames,
                                MergeStats& stats);

} // namespace tools
