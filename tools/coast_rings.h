#pragma once
// The land of Great Britain and Ireland: every land ring of Natural Earth's
// 1:10m coastline (mainland and islands), in metres on the British grid and
// on the Irish grid. The rings are generalised to a few hundred metres, and
// the smallest islands (Scilly, the Farnes, Eigg, ...) are not among them.
#include "national_grid.h"

#include <string_view>
#include <vector>

namespace tools {

inline constexpr std::string_view kCoastRingsFile = "britisles_coast_rings_km.csv";

class Land {
public:
    // Columns grid (BNG or IG), ring, seq, e_km, n_km; a ring's vertices in order, closed back to its first.
    // Throws SourceError for a row that cannot be read or a ring of fewer than three vertices.
    static Land read(std::string_view csvText);

    // 0 for a point on a ring's land, else the distance in metres to the nearest ring of its grid.
    double metresOffLand(double eastM, double northM, bool irishGrid) const;

private:
    struct Ring {
        bool irishGrid = false;
        std::vector<GridPoint> points;
        double minE = 0, maxE = 0, minN = 0, maxN = 0;
    };
    std::vector<Ring> rings_;
};

} // namespace tools
