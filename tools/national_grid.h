#pragma once
// WGS84 latitude and longitude to metres on the British National Grid (OSGB36,
// Airy 1830) or the Irish Grid (TM65, Airy modified): a seven-parameter
// Helmert shift and the transverse Mercator projection of the Ordnance
// Survey's guide to coordinate systems. Within 2 m of PROJ's Helmert results
// and within 5 m of OSTN15 on Great Britain: far below the kilometre the
// records hold.

namespace tools {

struct GridPoint {
    double easting = 0; // metres
    double northing = 0;
};

GridPoint toNationalGrid(double latitudeDeg, double longitudeDeg, bool irishGrid);

} // namespace tools
