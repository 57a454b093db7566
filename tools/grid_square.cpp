#include "grid_square.h"

#include <cstdio>

namespace tools {
namespace {

// A 5 x 5 block of letters A to Z without I, A at the north-west corner.
char letterOf(int column, int rowFromSouth)
{
    int index = (4 - rowFromSouth) * 5 + column;
    char c = static_cast<char>('A' + index);
    return c >= 'I' ? static_cast<char>(c + 1) : c;
}

} // namespace

std::string gridSquare(int eastingKm, int northingKm, bool irish)
{
    if (eastingKm < 0 || northingKm < 0)
        return "";
    int e100 = eastingKm / 100;
    int n100 = northingKm / 100;
    if (irish) {
        if (e100 > 4 || n100 > 4)
            return "";
        return std::string(1, letterOf(e100, n100));
    }
    // The British grid's first letter names a 500 km block; its false origin
    // puts the block S at (0, 0), so H..T cover the mainland and the isles.
    if (e100 > 6 || n100 > 12)
        return "";
    int blockColumn = e100 / 5 + 2;
    int blockRow = n100 / 5 + 1;
    return {letterOf(blockColumn, blockRow), letterOf(e100 % 5, n100 % 5)};
}

std::string gridReference(int eastingKm, int northingKm, bool irish)
{
    std::string square = gridSquare(eastingKm, northingKm, irish);
    if (square.empty())
        return "";
    char digits[8];
    std::snprintf(digits, sizeof digits, "%02d%02d", eastingKm % 100, northingKm % 100);
    return square + digits;
}

} // namespace tools
