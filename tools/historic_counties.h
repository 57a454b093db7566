#pragma once
// Historic counties as Chapman codes: the pre-1974 counties of England and
// Wales, the counties of Scotland before 1975, and the 32 counties of Ireland.
// GeoNames names modern areas; these tables give each of its places the
// historic county it lay in.
#include <optional>
#include <span>
#include <string_view>

namespace tools {

struct County {
    std::string_view code; // Chapman code, as stored in the records
    std::string_view name;
    std::string_view country; // the country code stored with it: ENG, IOM, WLS, SCT or IRL
};

// Every county the data may use, grouped by country in the order County.txt lists them.
std::span<const County> chapmanCounties();
const County* findCounty(std::string_view code);

// A modern area that lies within one historic county, or whose places belong
// to `code` unless a place rule says otherwise.
struct AreaRule {
    std::string_view area; // as GeoNames writes it ("Sir Powys", "Uíbh Fhailí")
    std::string_view code;
};

// Places of a modern area that lay in another historic county than the
// area's rule gives: `places` is a list of stored names separated by "|".
struct PlaceRule {
    std::string_view area;
    std::string_view code;
    std::string_view places;
};

std::span<const AreaRule> areaRules();
std::span<const PlaceRule> placeRules();

// The historic county of a GeoNames place of Wales, Scotland or Ireland by its
// modern area and stored name; nothing when the tables do not know the area.
std::optional<std::string_view> historicCounty(std::string_view area, std::string_view storedName);

// The country code the records store for a source's country: Scotland is
// "SCT" (Chapman's code, where GeoNames writes "SCO"), and the whole island of
// Ireland is "IRL", Northern Ireland included, since it shares the Irish grid.
std::string_view storedCountry(std::string_view sourceCountry);

} // namespace tools
