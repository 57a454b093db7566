#pragma once
// What the builder tells its user: how many records of each country and
// source went in, what was left out and why, and every bad source line.
#include "county_corrections.h"
#include "data_build.h"
#include "data_checks.h"
#include "place_merge.h"
#include "place_selection.h"
#include "places.h"
#include "source_places.h"

#include <initializer_list>
#include <map>
#include <string>
#include <vector>

namespace tools {

struct PlaceCounts {
    std::map<std::string, int> byCountry;
    int northernIreland = 0;
    std::map<Origin, int> byOrigin;
    std::map<PositionFrom, int> byPosition;
    std::map<char, int> byType;
    int baseLetters = 0;
    int plainApostrophes = 0;
};

std::string_view positionName(PositionFrom p);

PlaceCounts countPlaces(const std::vector<Place>& places);

struct BuildFacts {
    std::map<std::string, int> sourceRows; // by file
    std::vector<BadRow> badRows; // of the place lists
    std::vector<BadRow> badLines; // of the map, coastline and reference place files
    MergeStats merge;
    CountyCorrections counties;
    SelectionStats selection;
    PlaceCounts counts;
    CountyScreen screen;
    OffLandCheck offLand;
    std::vector<std::string> towns; // GeoNames towns without a record of their name
    PositionFigures cellFigures, cellHeldOutFigures, osmFigures;

    // Throws SourceError when the county screen leaves a record unresolved or a town has no record.
    void checkOrThrow() const;

    void noteSources(std::initializer_list<const SourceRows*> lists);
    void notePlaces(const std::vector<Place>& places) { counts = countPlaces(places); }
    std::string report(const std::vector<BuiltFile>& files) const;
};

} // namespace tools
