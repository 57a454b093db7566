#include "places.h"

#include <cmath>

namespace tools {

char geoNamesType(std::string_view featureCode, long population)
{
    if (featureCode == "PPLX")
        return kTypeDistrict;
    if (featureCode == "PPLC" || population >= 100000)
        return kTypeCity;
    if (featureCode == "PPLA" || featureCode == "PPLA2" || population >= 5000)
        return kTypeTown;
    return kTypeVillage;
}

void setPosition(Place& p, double eastM, double northM, PositionFrom from)
{
    p.eastM = eastM;
    p.northM = northM;
    p.easting = static_cast<int>(std::floor(eastM / 1000));
    p.northing = static_cast<int>(std::floor(northM / 1000));
    p.positionFrom = from;
}

} // namespace tools
