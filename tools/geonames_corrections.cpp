#include "geonames_corrections.h"

namespace tools {
namespace {

// The English names a researcher searches for; Dún Laoghaire and the
// Gaeltacht villages keep the names GeoNames gives, which are also their
// English ones.
constexpr EnglishName kEnglishNames[] = {
    {2964180, "Gaillimh", "Galway"},
    {2962361, "An Muileann gCearr", "Mullingar"},
    {2961651, "An Ros", "Rush"},
    {2962611, "Baile an Mhuilinn", "Milltown"},
    {2963370, "Cill Airne", "Killarney"},
    {2965353, "Cluain Meala", "Clonmel"},
    {2962290, "Droichead Nua", "Newbridge"},
    {2962945, "Leifear", "Lifford"},
    {2961120, "Trá Mhór", "Tramore"},
};

constexpr NotAPlace kNotPlaces[] = {
    {2643734, "Londonderry County Borough", "the former borough of Derry, listed at the same place as Derry"},
    {6697759, "South Dublin", "the name of a county, not of a place"},
    {2964650, "Dromcolliher", "another spelling of Dromcollogher, listed at the same place"},
    {7838897, "Ballisodare", "another spelling of Ballysadare, listed at the same place"},
    {2963419, "Cill Fhíonáin", "the Irish name of Kilfinnane, listed a kilometre away under that name"},
};

} // namespace

std::span<const EnglishName> englishNames()
{
    return kEnglishNames;
}
std::span<const NotAPlace> notPlaces()
{
    return kNotPlaces;
}

std::optional<std::string_view> englishNameOf(long geonameId)
{
    for (const EnglishName& e : kEnglishNames)
        if (e.geonameId == geonameId)
            return e.englishName;
    return std::nullopt;
}

std::optional<std::string_view> whyNotAPlace(long geonameId)
{
    for (const NotAPlace& n : kNotPlaces)
        if (n.geonameId == geonameId)
            return n.why;
    return std::nullopt;
}

} // namespace tools
