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
#include "places.h"
#include "source_places.h"

#include <span>
#include <string_view>
#include <vector>

namespace tools {

struct BoroughCounties {
    std::string_view area; // as GeoNames writes it
    std::string_view main; // the county most of it belonged to
    std::string_view possible; // every county its land belonged to, main included, separated by "|"
};
std::span<const BoroughCounties> boroughCounties();

struct CountyCorrections {
    int toHerefordshire = 0;
    int impossible = 0; // counties replaced under rule 2
};

CountyCorrections correctCounties(std::vector<Place>& places, const std::vector<SourcePlace>& geoNames);

} // namespace tools
