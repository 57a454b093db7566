#pragma once
// Corrections to the England list's counties that GeoNames makes possible.
// GeoNames names each place's modern county or borough; where a modern area
// lies within known historic counties, it shows a county the England list
// gives that cannot be right. Only such impossible counties are changed.
//
// 1. The England list files historic Herefordshire under Worcestershire (its
//    source merged the two, as Hereford and Worcester once were): Hereford,
//    Leominster and Ross-on-Wye all come as WOR. Modern Herefordshire is,
//    near enough, the historic county: a WOR place goes to HEF when the
//    nearest GeoNames place of modern Herefordshire or Worcestershire (the
//    place itself, when GeoNames holds it) is in Herefordshire.
// 2. In the metropolitan boroughs and on Teesside its counties are often
//    impossible (Manchester under Warwickshire, Gateshead under Yorkshire,
//    Solihull under Lancashire). A place whose nearest GeoNames place lies in
//    such a borough, and whose county is none of those the borough's land
//    belonged to, takes the county most of the borough belonged to.
//
// And corrections Index Villaris and hand checks make:
//
// 3. The England list files much of Westmorland and of Lancashire north of the
//    sands (Furness, Cartmel) under Cumberland, and Yorkshire's Sedbergh, Dent
//    and Bowland under Cumberland or Lancashire; a group of wrong neighbours
//    hides each from the outlier screen. An England-list record of CUL, WES or
//    LAN whose county Index Villaris does not confirm by name takes the county
//    of its three nearest Index Villaris places (any name) when all three lie
//    within 5 km and share one of CUL, WES, LAN and YKS. The other counties
//    are not offered: across the Mersey the nearest places are Cheshire's.
//    A record of CUL for which they do not agree, but none of the five
//    nearest within 10 km is of Cumberland, takes the nearest one's county.
//    Records the rule would get wrong are named in the hand corrections.
// 4. Hand corrections: records checked against maps whose county no rule can
//    right (Holme near Holmfirth under Derbyshire), each with its reason. The
//    build fails when one finds no record, so none goes stale unnoticed.
// 5. Lancashire and Cheshire meet on the Mersey and the Tame, and the England
//    list (and the nearest 1680 places, some of them kilometres out) puts
//    whole groups on the wrong bank: Widnes under Cheshire, Bowdon and
//    Bramhall under Lancashire. The border is given as a line along the middle
//    of the two rivers, from Liverpool Bay to Mossley, and each bank as a
//    polygon closed on it; a LAN or CHS record of England on the other
//    county's bank takes that county, unless a parish-level source or a hand
//    correction confirms its county. The line is checked against the 1680
//    places matched to OpenStreetMap points: one of LAN or CHS on the other
//    county's bank fails the build.
// 6. Elsewhere the England list follows modern borders where they moved a
//    group of places (Berkshire's Vale of White Horse under Oxfordshire, the
//    Soke of Peterborough under Cambridgeshire, ...). An England-list record
//    whose county no parish-level source confirms takes the county of every
//    1680 place on an OpenStreetMap point within 3 km, at least three of them
//    all of one county, when the pair of counties is one of those listed.
#include "places.h"
#include "source_places.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tools {

struct BoroughCounties {
    std::string_view area; // as GeoNames writes it
    std::string_view main; // the county most of it belonged to
    std::string_view possible; // every county its land belonged to, main included, separated by "|"
};
std::span<const BoroughCounties> boroughCounties();

inline constexpr std::size_t kNorthWestNeighbours = 3;
inline constexpr double kNorthWestReachM = 5000.0;
inline constexpr std::size_t kNotCumberlandNeighbours = 5;
inline constexpr double kNotCumberlandReachM = 10000.0;

struct HandCorrection {
    std::string_view name; // as stored
    std::string_view county; // as the sources give it
    int easting, northing; // whole km, within 5 km of the record
    std::string_view becomes; // the county it is given or keeps; empty: the record is left out
    std::string_view why;
};
std::span<const HandCorrection> handCorrections();

struct BorderPoint {
    double easting, northing; // km on the British grid
};
// The middle of the Mersey and then of the Tame, Liverpool Bay to Mossley, west to east.
std::span<const BorderPoint> merseyTameBorder();

// Rule 6.
inline constexpr double kUnanimousReachM = 3000.0;
inline constexpr std::size_t kUnanimousAtLeast = 3;
struct CountyMove {
    std::string_view from, to; // Chapman codes
    std::string_view where;
};
std::span<const CountyMove> borderMoves();

struct CountyCorrections {
    int toHerefordshire = 0;
    int impossible = 0; // counties replaced under rule 2
    std::vector<std::string> northWest; // rule 3: "Name: CUL to WES"
    std::vector<std::string> byHand; // rule 4: "Name: DBY to YKS"
    std::vector<std::string> mersey; // rule 5: "Name: CHS to LAN"
    std::vector<std::string> unanimous; // rule 6: "Name: OXF to BRK"
};

// Rules 1 and 2.
CountyCorrections correctCounties(std::vector<Place>& places, const std::vector<SourcePlace>& geoNames);

// Rule 3, leaving out records corrected by hand (countyConfirmed): "Name: CUL to WES".
std::vector<std::string> correctNorthWest(std::vector<Place>& places, const std::vector<SourcePlace>& villaris);

// Rule 4: "Name: DBY to YKS", or "Name (BDF) left out" for a stray row. Throws SourceError when a hand
// correction finds no record.
std::vector<std::string> correctByHand(std::vector<Place>& places);

// Rule 5, leaving out records whose county is confirmed: "Name: CHS to LAN". Throws SourceError when an Index
// Villaris place on an OpenStreetMap point lies on the other county's bank.
std::vector<std::string> correctMerseyBorder(std::vector<Place>& places, const std::vector<SourcePlace>& villaris);

// Rule 6: "Name: OXF to BRK".
std::vector<std::string> correctByUnanimousNeighbours(std::vector<Place>& places,
                                                      const std::vector<SourcePlace>& villaris);

} // namespace tools
