#include "county_list.h"

#include "csv_table.h"
#include "historic_counties.h"
#include "text/ansi.h"
#include "text/text_file.h"

#include <set>

namespace tools {
namespace {

struct CountryHeading {
    std::string_view code, name;
};
constexpr CountryHeading kCountries[] = {
    {"ENG", "England"}, {"IOM", "Isle of Man"}, {"WLS", "Wales"}, {"SCT", "Scotland"}, {"IRL", "Ireland"},
};

} // namespace

std::string countyListText(const std::vector<records::ParishRecord>& records)
{
    std::set<std::string, std::less<>> used;
    for (const auto& r : records)
        if (!r.isVersionRecord())
            used.emplace(text::trimBlanks(r.get(records::Field::County)));
    for (const std::string& code : used)
        if (findCounty(code) == nullptr)
            throw SourceError("the county code \"" + code + "\" has no name in the county table");

    std::vector<std::string> lines = {
        "Steeplewatcher County Codes",
        "===========================",
        "",
        "The county of each parish is one of these Chapman codes: the historic",
        "counties of England and Wales (before 1974), the counties of Scotland",
        "(before 1975) and the 32 counties of Ireland, Northern Ireland's six",
        "included. Every Irish parish has the country code IRL.",
    };
    for (const CountryHeading& country : kCountries) {
        bool headed = false;
        for (const County& county : chapmanCounties()) {
            if (county.country != country.code || !used.contains(county.code))
                continue;
            if (!headed) {
                lines.emplace_back("");
                lines.push_back(std::string(country.name) + " (" + std::string(country.code) + ")");
                headed = true;
            }
            lines.push_back("  " + std::string(county.code) + "  " + std::string(county.name));
        }
    }
    return text::joinLines(lines);
}

} // namespace tools
