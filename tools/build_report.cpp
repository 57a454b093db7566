#include "build_report.h"

#include "text/cp1252.h"

#include <iomanip>
#include <sstream>

namespace tools {
namespace {

constexpr std::string_view kNorthernIrishCounties[] = {"ANT", "ARM", "DOW", "FER", "LDY", "TYR"};

struct CountryLine {
    std::string_view code, name;
};
constexpr CountryLine kCountryLines[] = {
    {"ENG", "England"}, {"IOM", "Isle of Man"}, {"WLS", "Wales"}, {"SCT", "Scotland"}, {"IRL", "Ireland"},
};

// Names are cp1252 in the data; the report is read on a UTF-8 terminal.
std::string joined(const std::vector<std::string>& names)
{
    std::string out;
    for (const std::string& name : names)
        out += (out.empty() ? "" : ", ") + text::cp1252ToUtf8(name);
    return out;
}

int count(const std::map<Origin, int>& m, Origin o)
{
    auto it = m.find(o);
    return it == m.end() ? 0 : it->second;
}

} // namespace

PlaceCounts countPlaces(const std::vector<Place>& places)
{
    PlaceCounts c;
    for (const Place& p : places) {
        ++c.byCountry[p.country];
        ++c.byOrigin[p.origin];
        ++c.byType[p.type];
        c.baseLetters += p.baseLetters;
        c.plainApostrophes += p.plainApostrophe;
        for (std::string_view code : kNorthernIrishCounties)
            c.northernIreland += p.county == code;
    }
    return c;
}

void BuildFacts::noteSources(const SourceRows& englandList, const SourceRows& geoNames)
{
    englandListRows = static_cast<int>(englandList.places.size() + englandList.bad.size());
    geoNamesRows = static_cast<int>(geoNames.places.size() + geoNames.bad.size());
    badRows = englandList.bad;
    badRows.insert(badRows.end(), geoNames.bad.begin(), geoNames.bad.end());
}

std::string BuildFacts::report(const std::vector<BuiltFile>& files) const
{
    std::ostringstream out;
    int places = 0;
    for (const auto& [country, n] : counts.byCountry)
        places += n;
    out << "Parishes.Dat: " << places + 1 << " records, the version record and " << places << " places\n";
    for (const CountryLine& line : kCountryLines) {
        auto it = counts.byCountry.find(std::string(line.code));
        out << "  " << std::left << std::setw(12) << line.name << std::right << std::setw(6)
            << (it == counts.byCountry.end() ? 0 : it->second);
        if (line.code == "IRL")
            out << "  (Northern Ireland " << counts.northernIreland << ")";
        out << "\n";
    }
    out << "  by source: England list " << count(counts.byOrigin, Origin::EnglandList)
        << ", England list with GeoNames position " << count(counts.byOrigin, Origin::EnglandListGeoNamesPosition)
        << ", GeoNames " << count(counts.byOrigin, Origin::GeoNames) << "\n";
    out << "  by type:";
    for (const auto& [type, n] : counts.byType)
        out << " " << type << " " << n;
    out << "\n";
    out << "  names with a letter cp1252 lacks, written with its base letter: " << counts.baseLetters << "\n";
    out << "  names with a typographic apostrophe, written with \"'\": " << counts.plainApostrophes << "\n";

    out << "Left out:\n";
    out << "  bad source rows: " << badRows.size() << " (listed below)\n";
    out << "  England list rows flagged as not settlements: " << merge.flaggedLeftOut << " (" << merge.flaggedKept
        << " flagged rows kept: GeoNames lists them as populated places)\n";
    out << "  England list rows GeoNames places in Wales or Scotland: " << merge.crossBorder.size() << " ("
        << joined(merge.crossBorder) << ")\n";
    out << "  the same place twice in one source (same name within " << kDuplicateKm << " km): " << merge.duplicates
        << "\n";
    out << "  GeoNames rows that are no place of their own: " << merge.notPlaces.size() << " ("
        << joined(merge.notPlaces) << ")\n";
    out << "  GeoNames rows of England and Man that the England list lacks (not used): " << merge.geoNamesEnglandUnused
        << "\n";
    out << "  GeoNames rows with no known historic county: " << merge.noCounty.size() << "\n";
    out << "  to stay within " << kMaxShippedRecords << " records, England-list places GeoNames does not hold: "
        << selection.waterways + selection.hamlets + selection.others << " (waterway names " << selection.waterways
        << ", hamlet names " << selection.hamlets << ", others " << selection.others << "); each lies within "
        << std::fixed << std::setprecision(1) << selection.farthestKm << " km of a place kept\n";
    out << "Irish names given their English name: " << merge.englishNames << "\n";
    out << "England list places given GeoNames' position and type: " << merge.geoNamesPositions << "\n";
    out << "England list counties corrected: Worcestershire to Herefordshire " << counties.toHerefordshire
        << ", impossible for their metropolitan borough " << counties.impossible << "\n";

    out << "Files:\n";
    for (const BuiltFile& f : files)
        out << "  " << std::left << std::setw(13) << f.name << std::right << std::setw(9) << f.bytes.size()
            << " bytes\n";

    if (!badRows.empty() || !badLines.empty() || !merge.noCounty.empty()) {
        out << "Bad source lines, left out:\n";
        for (const auto* list : {&badRows, &merge.noCounty, &badLines})
            for (const BadRow& bad : *list)
                out << "  " << describe(bad) << "\n";
    }
    return out.str();
}

} // namespace tools
