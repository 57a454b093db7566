#include "list_cells.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <vector>

namespace tools {
namespace {

constexpr double kCellDeg = 0.01;
constexpr double kSquareM = 1000.0;

// Whether p lies inside the convex quadrilateral q, its corners anticlockwise; edges count as inside.
bool inside(const std::array<GridPoint, 4>& q, double e, double n)
{
    for (std::size_t i = 0; i < q.size(); ++i) {
        const GridPoint& a = q[i];
        const GridPoint& b = q[(i + 1) % q.size()];
        if ((b.easting - a.easting) * (n - a.northing) - (b.northing - a.northing) * (e - a.easting) < 0)
            return false;
    }
    return true;
}

} // namespace

ListCell listCellPosition(double latitudeDeg, double longitudeDeg)
{
    // Cutting towards zero: a west longitude of -1.47 stands for -1.48 < lon <= -1.47.
    double west = longitudeDeg, east = longitudeDeg + kCellDeg;
    if (longitudeDeg < 0) {
        west = longitudeDeg - kCellDeg;
        east = longitudeDeg;
    } else if (longitudeDeg == 0) {
        west = -kCellDeg;
    }
    const double south = latitudeDeg, north = latitudeDeg + kCellDeg;
    const std::array<GridPoint, 4> cell{toNationalGrid(south, west, false), toNationalGrid(south, east, false),
                                        toNationalGrid(north, east, false), toNationalGrid(north, west, false)};
    double minE = cell[0].easting, maxE = minE, minN = cell[0].northing, maxN = minN;
    for (const GridPoint& c : cell) {
        minE = std::min(minE, c.easting);
        maxE = std::max(maxE, c.easting);
        minN = std::min(minN, c.northing);
        maxN = std::max(maxN, c.northing);
    }
    ListCell out;
    std::vector<GridPoint> corners;
    // Whole kilometres counted, so every corner is an exact multiple of a square.
    const auto firstE = static_cast<std::int64_t>(std::ceil(minE / kSquareM));
    const auto firstN = static_cast<std::int64_t>(std::ceil(minN / kSquareM));
    for (std::int64_t ke = firstE; static_cast<double>(ke) * kSquareM <= maxE; ++ke)
        for (std::int64_t kn = firstN; static_cast<double>(kn) * kSquareM <= maxN; ++kn)
            if (const double e = static_cast<double>(ke) * kSquareM, n = static_cast<double>(kn) * kSquareM;
                inside(cell, e, n))
                corners.push_back({e, n});
    out.corners = static_cast<int>(corners.size());
    auto from = [](GridPoint at, CellOffset offset) {
        return GridPoint{at.easting + offset.east, at.northing + offset.north};
    };
    if (corners.empty()) {
        out.expected = from({minE, minN}, kNoCornerOffset);
    } else if (corners.size() == 1) {
        out.expected = from(corners[0], kOneCornerOffset);
    } else if (corners.size() == 2 && corners[0].easting == corners[1].easting) {
        out.expected = from(corners[0].northing < corners[1].northing ? corners[0] : corners[1], kLowerOfTwoOffset);
    } else {
        double sumE = 0, sumN = 0;
        for (const GridPoint& c : corners) {
            sumE += c.easting;
            sumN += c.northing;
        }
        out.expected = {sumE / out.corners + kSquareM / 2, sumN / out.corners + kSquareM / 2};
    }
    return out;
}

} // namespace tools
