#pragma once
// Where a place of the England list most likely lies. The list's latitude and
// longitude are not the place's own point: they are the south-west corner of
// the place's Ordnance Survey kilometre square, converted to WGS84 and cut
// (towards zero) to two decimals of a degree. Read naively they put places on
// average a kilometre south and a quarter of a kilometre west of where they
// are. A 0.01-degree cell holds one or two kilometre-square corners; the
// place lies in one of their squares, so its expected position is the mean of
// those squares' centres (the cell's own centre, half a kilometre north-east,
// when it holds no corner at all).
#include "national_grid.h"

namespace tools {

struct ListCell {
    GridPoint expected; // metres on the British grid
    int corners = 0; // kilometre-square corners in the cell: 1 means the square is known
};

ListCell listCellPosition(double latitudeDeg, double longitudeDeg);

} // namespace tools
