#pragma once
// A place as the data file will hold it, with where it came from.
#include <string>
#include <string_view>

namespace tools {

// The type letter stored with each record.
inline constexpr char kTypeCity = 'C'; // GeoNames: a city of 100,000 people or more, or a capital
inline constexpr char kTypeTown = 'T'; // GeoNames: 5,000 people or more, or the seat of a county-level area
inline constexpr char kTypeVillage = 'V'; // GeoNames: a smaller populated place (500 people or more, or a local seat)
inline constexpr char kTypeDistrict = 'D'; // GeoNames: a district within a town
inline constexpr char kTypePlace = 'P'; // England list only: a village, hamlet or district of unknown size

// The type of a GeoNames place from its feature code and population (0 when not known).
char geoNamesType(std::string_view featureCode, long population);

enum class Origin {
    EnglandList, // name, county and position from the England list
    EnglandListGeoNamesPosition, // name and county from the England list, position and type from GeoNames
    GeoNames, // everything from GeoNames, the county from the historic county tables
};

struct Place {
    std::string name; // cp1252, at most 45 characters
    char type = kTypePlace;
    std::string county; // Chapman code
    std::string country; // ENG, IOM, WLS, SCT or IRL
    int easting = 0; // whole km, on the Irish grid when irishGrid
    int northing = 0;
    bool irishGrid = false;
    Origin origin = Origin::EnglandList;
    int line = 0; // in the England list, or in the GeoNames list for Origin::GeoNames
    bool baseLetters = false;
    bool plainApostrophe = false;
};

} // namespace tools
