#pragma once
// Keeping the data file within a record limit. Only England-list places that
// GeoNames does not hold (type P, size unknown) are ever left out; every
// GeoNames town and village and every place of Wales, Scotland and Ireland
// stays. They are left out in this order until the limit is met:
//   1. names of waterways ("... Canal", "... Drain", "... Navigation", "... Reservoir");
//   2. names of hamlets, farms and districts ("... End", "... Green", "... Common",
//      "... Hill", "... Mill", "... Town", ...);
//   3. every other name;
// within 2 and 3 in rounds of growing distance: first the places that share
// their kilometre square with a place still kept, then those 1 km from one,
// then 1.4 km, and so on, the most crowded first (most places within 2 km),
// then in name order, up to 20 km. So no area loses its last place while a
// crowded one has places to spare: a place farther than 20 km from every
// place kept is left out only when nothing else is left to leave out.
#include "places.h"

#include <cstddef>
#include <string_view>
#include <vector>

namespace tools {

enum class NameKind { Waterway, Hamlet, Other };

// By the last word of a name of two words or more.
NameKind nameKind(std::string_view storedName);

struct SelectionStats {
    int waterways = 0; // left out, by kind
    int hamlets = 0;
    int others = 0;
    double farthestKm = 0; // the farthest any place left out lies from the nearest place kept
};

// Leaves out places, as above, until at most `limit` remain; keeps the order
// of the rest. Throws SourceError when even leaving out every candidate
// cannot meet the limit.
SelectionStats selectPlaces(std::vector<Place>& places, std::size_t limit);

} // namespace tools
