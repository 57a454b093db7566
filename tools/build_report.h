#pragma once
// What the builder tells its user: how many records of each country and
// source went in, what was left out and why, and every bad source line.
#include "county_corrections.h"
#include "data_build.h"
#include "place_merge.h"
#include "place_selection.h"
#include "places.h"
#include "source_places.h"

#include <map>
#include <string>
#include <vector>

namespace tools {

struct PlaceCounts {
    std::map<std::string, int> byCountry;
    int northernIreland = 0;
    std::map<Origin, int> byOrigin;
    std::map<char, int> byType;
    int baseLetters = 0;
    int plainApostrophes = 0;
};

PlaceCounts countPlaces(const std::vector<Place>& places);

struct BuildFacts {
    int englandListRows = 0;
    int geoNamesRows = 0;
    std::vector<BadRow> badRows; // of the two place lists
    std::vector<BadRow> badLines; // of the map, coastline and reference place files
    MergeStats merge;
    CountyCorrections counties;
    SelectionStats selection;
    PlaceCounts counts;

    void noteSources(const SourceRows& englandList, const SourceRows& geoNames);
    void notePlaces(const std::vector<Place>& places) { counts = countPlaces(places); }
    std::string report(const std::vector<BuiltFile>& files) const;
};

} // namespace tools
