#pragma once
// The address of the street map page of a parish on the public web map,
// which takes national grid coordinates in metres.
#include <string>
#include <string_view>

namespace maps {

inline constexpr std::string_view kDefaultMapHost = "www.streetmap.co.uk";

// The host a setting names: the setting when it is a plain host name
// (letters, digits, "-" and ".", with an optional ":port"), else the default,
// so that a mistyped setting can never change the path or query of the address.
std::string mapHostFrom(const char* setting);

// "http://HOST/streetmap.dll?grid2map?X=E500&Y=N500&arrow=Y&zoom=5": the
// easting and northing texts in whole km, already trimmed, with "500"
// appended, which is the middle of the kilometre square in metres.
std::string streetMapAddress(std::string_view host, std::string_view eastingKm, std::string_view northingKm);

} // namespace maps
