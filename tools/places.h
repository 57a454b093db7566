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
inline constexpr char kTypePlace =
    'P'; // a village, hamlet or district of unknown size (England list, Index Villaris, GeoNames postal places)
inline constexpr char kTypeParish = 'A'; // a parish: a civil parish of Ireland or a parish of Scotland's registers

// The type of a GeoNames place from its feature code and population (0 when not known).
char geoNamesType(std::string_view featureCode, long population);

// The source that gave a record its name (and, but for the corrections, its county).
enum class Origin {
    EnglandList, // England and Man: the England list
    GeoNames, // GeoNames' populated places, the county from the historic county tables
    GeoNamesPostal, // GeoNames' postal places of Wales and Scotland
    IndexVillaris, // Index Villaris 1680: England and Wales
    ScottishParishes, // the parish list of Scotland's old parish registers
    IrishParishes, // the civil parishes of the townland source
};

// The source a record's position comes from, the most precise that holds the place.
enum class PositionFrom {
    ListCell, // the England list: the expected position of its cell
    GeoNames, // GeoNames' populated places, to 0.00001 degree
    GeoNamesPostal, // GeoNames' postal places, to 0.0001 degree
    IndexVillarisOsm, // Index Villaris matched to an OpenStreetMap point
    ScottishParishes, // a Scottish parish placed at the village of its name
    IrishParishes, // the area-weighted mean of a civil parish's townland points
};

struct Place {
    std::string name; // cp1252, at most 45 characters
    char type = kTypePlace;
    std::string county; // Chapman code
    std::string country; // ENG, IOM, WLS, SCT or IRL
    int easting = 0; // whole km, cut down from the metres below; on the Irish grid when irishGrid
    int northing = 0;
    bool irishGrid = false;
    Origin origin = Origin::EnglandList;
    int line = 0; // in the source of its origin
    bool baseLetters = false;
    bool plainApostrophe = false;
    PositionFrom positionFrom = PositionFrom::ListCell;
    bool countyConfirmed = false; // a parish-level source (Index Villaris, a parish list) gives this county
    double eastM = 0; // metres
    double northM = 0;
};

// Sets the position in metres and the whole km the record stores.
void setPosition(Place& p, double eastM, double northM, PositionFrom from);

} // namespace tools
