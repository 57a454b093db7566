#include "places.h"

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

} // namespace tools
