#pragma once
// Corrections to single GeoNames rows, by GeoNames id: English names for the
// places it lists under their Irish name, and rows that are not a place of
// their own (a second spelling of a place already listed, a county's name).
#include <optional>
#include <span>
#include <string_view>

namespace tools {

struct EnglishName {
    long geonameId;
    std::string_view irishName; // as GeoNames writes it, for the reader
    std::string_view englishName;
};

struct NotAPlace {
    long geonameId;
    std::string_view name;
    std::string_view why;
};

std::span<const EnglishName> englishNames();
std::span<const NotAPlace> notPlaces();

std::optional<std::string_view> englishNameOf(long geonameId);
std::optional<std::string_view> whyNotAPlace(long geonameId);

} // namespace tools
