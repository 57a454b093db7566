#pragma once
// The lettered 100 km squares of the British and Irish national grids, used
// to check that a grid reference agrees with its easting and northing.
#include <string>

namespace tools {

// "SK" for (435, 315) km on the British grid, "C" for (235, 431) km on the
// Irish grid; "" when the position lies outside the lettered squares.
std::string gridSquare(int eastingKm, int northingKm, bool irish);

// The four-figure reference: the square and the km within it, e.g. "SK3515".
std::string gridReference(int eastingKm, int northingKm, bool irish);

} // namespace tools
