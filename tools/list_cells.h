#pragma once
// Where a place of the England list most likely lies. The list's latitude and
// longitude are not the place's own point: they are the south-west corner of
// the place's Ordnance Survey kilometre square, converted to WGS84 and cut
// (towards zero) to two decimals of a degree. Read naively they put places on
// average a kilometre south and a quarter of a kilometre west of where they
// are. A 0.01-degree cell holds one or two kilometre-square corners; the
// place lies in one of their squares. Where it lies, by the cell's shape, was
// learned from the England-list places GeoNames also holds (fitted on those of
// even lines of the list, measured on those of odd lines): with one corner, a
// little south-west of its square's centre (GeoNames' points lie slightly
// south of the list's); with two, one above the other, in the lower square,
// near its top (43% of places lie in the lower square, 31% in the upper);
// with none, above the cell's south-west. Other shapes (two corners side by
// side: one place in 4,000) take the mean of the squares' centres.
#include "national_grid.h"

namespace tools {

// The expected position from the kilometre-square corner (for no corner, from the cell's south-west), in metres.
struct CellOffset {
    double east, north;
};
inline constexpr CellOffset kOneCornerOffset{460, 470};
inline constexpr CellOffset kLowerOfTwoOffset{500, 740};
inline constexpr CellOffset kNoCornerOffset{650, 1110};

struct ListCell {
    GridPoint expected; // metres on the British grid
    int corners = 0; // kilometre-square corners in the cell: 1 means the square is known
};

ListCell listCellPosition(double latitudeDeg, double longitudeDeg);

} // namespace tools
