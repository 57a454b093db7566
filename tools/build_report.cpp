#include "build_report.h"

#include "csv_table.h"
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

std::string_view originName(Origin o)
{
    switch (o) {
    case Origin::EnglandList: return "England list";
    case Origin::GeoNames: return "GeoNames";
    case Origin::GeoNamesPostal: return "GeoNames postal";
    case Origin::IndexVillaris: return "Index Villaris";
    case Origin::ScottishParishes: return "Scottish parish list";
    case Origin::IrishParishes: return "Irish civil parishes";
    }
    return "";
}

} // namespace

std::string_view positionName(PositionFrom p)
{
    switch (p) {
    case PositionFrom::ListCell: return "England list cell";
    case PositionFrom::GeoNames: return "GeoNames";
    case PositionFrom::GeoNamesPostal: return "GeoNames postal";
    case PositionFrom::IndexVillarisOsm: return "Index Villaris on OpenStreetMap";
    case PositionFrom::ScottishParishes: return "Scottish parish list";
    case PositionFrom::IrishParishes: return "Irish townland points";
    }
    return "";
}

namespace {

} // namespace

PlaceCounts countPlaces(const std::vector<Place>& places)
{
    PlaceCounts c;
    for (const Place& p : places) {
        ++c.byCountry[p.country];
        ++c.byOrigin[p.origin];
        ++c.byPosition[p.positionFrom];
        ++c.byType[p.type];
        c.baseLetters += p.baseLetters;
        c.plainApostrophes += p.plainApostrophe;
        for (std::string_view code : kNorthernIrishCounties)
            c.northernIreland += p.county == code;
    }
    return c;
}

void BuildFacts::noteSources(std::initializer_list<const SourceRows*> lists)
{
    for (const SourceRows* rows : lists)
        badRows.insert(badRows.end(), rows->bad.begin(), rows->bad.end());
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
    out << "  by source of the record:";
    for (const auto& [origin, n] : counts.byOrigin)
        out << " " << originName(origin) << " " << n << ",";
    out.seekp(-1, std::ios_base::cur);
    out << "\n  by source of the position:";
    for (const auto& [from, n] : counts.byPosition)
        out << " " << positionName(from) << " " << n << ",";
    out.seekp(-1, std::ios_base::cur);
    out << "\n  by type:";
    for (const auto& [type, n] : counts.byType)
        out << " " << type << " " << n;
    out << "\n";
    out << "  names with a letter cp1252 lacks, written with its base letter: " << counts.baseLetters << "\n";
    out << "  names with a typographic apostrophe, written with \"'\": " << counts.plainApostrophes << "\n";

    out << "Left out:\n";
    out << "  bad source rows: " << badRows.size() << " (listed below)\n";
    out << "  England list rows flagged as not settlements: " << merge.flaggedLeftOut << " (" << merge.flaggedKept
        << " flagged rows kept: GeoNames lists them as populated places)\n";
    out << "  rivers, rocks and reefs, and GeoNames rows that are no place of their own: " << merge.notPlaces.size()
        << " (" << joined(merge.notPlaces) << ")\n";
    out << "  England list rows that repeat another row's place under its other name: " << merge.aliases.size() << " ("
        << joined(merge.aliases) << ")\n";
    out << "  England list rows GeoNames places in Wales or Scotland: " << merge.crossBorder.size() << " ("
        << joined(merge.crossBorder) << ")\n";
    out << "  more than " << kOffLandM / 1000 << " km off land (" << kPointOffLandM / 1000
        << " km for a point of its own): " << offLand.leftOut.size() << " (" << joined(offLand.leftOut)
        << "); kept on small islands the coastline lacks " << offLand.onSmallIslands
        << ", kept as a point of its own on the generalised coast " << offLand.onGeneralisedCoast << "\n";
    out << "  the same place twice (same name within " << kDuplicateKm << " km): " << merge.duplicates << "\n";
    out << "  GeoNames rows of England and Man that the England list lacks, not towns (not used): "
        << merge.geoNamesEnglandUnused << "\n";
    out << "  Scottish parishes without a position: " << merge.unpositionedParishes << "\n";
    out << "  source rows with no known historic county: " << merge.noCounty.size() << "\n";
    out << "  to stay within " << kMaxShippedRecords
        << " records, places of unknown size: " << selection.waterways + selection.hamlets + selection.others
        << " (waterway names " << selection.waterways << ", hamlet names " << selection.hamlets << ", others "
        << selection.others << "); each lies within " << std::fixed << std::setprecision(1) << selection.farthestKm
        << " km of a place kept\n";
    out << "Irish names given their English name: " << merge.englishNames << "\n";
    out << "GeoNames towns of England the England list lacks, added: " << merge.geoNamesEnglandAdded << "\n";
    out << "England list positions: GeoNames " << merge.geoNamesPositions << ", GeoNames postal "
        << merge.postalPositions << ", Index Villaris on OpenStreetMap " << merge.villarisPositions
        << ", the expected position of the list's cell " << merge.listCellPositions << " (before the limit)\n";
    out << "England list counties corrected: by Index Villaris " << merge.villarisCounties
        << ", Worcestershire to Herefordshire " << counties.toHerefordshire
        << ", impossible for their metropolitan borough " << counties.impossible
        << ", by the nearest Index Villaris places in the north-west " << counties.northWest.size() << " ("
        << joined(counties.northWest) << "), by the Mersey and Tame border " << counties.mersey.size() << " ("
        << joined(counties.mersey) << "), by the unanimous 1680 places within 3 km on a listed border "
        << counties.unanimous.size() << " (" << joined(counties.unanimous) << "), by hand " << counties.byHand.size()
        << " (" << joined(counties.byHand) << ")\n";
    out << "County screen (no record of the same county within " << kOutlierKm << " km, or none of the " << kNeighbours
        << " nearest records of it): " << screen.flagged << " flagged; kept as a parish-level source gives "
        << screen.confirmed << ", kept as isolated " << screen.isolated << ", documented exceptions "
        << screen.exceptions << ", given their neighbours' county " << screen.reassigned.size() << " ("
        << joined(screen.reassigned) << "); unresolved " << screen.unresolved.size() << "\n";
    out << "GeoNames places of " << kTownCheckPopulation
        << " people or more without a record of their name within 5 km: " << towns.size() << "\n";
    out << "Positions against independent ones:\n";
    out << "  the England list's cell, expected position, against GeoNames: " << describe(cellFigures) << "\n";
    out << "  the same, on the pairs of odd lines of the England list (the cell offsets were fitted on even lines): "
        << describe(cellHeldOutFigures) << "\n";
    out << "  records placed from GeoNames against Index Villaris' OpenStreetMap points: " << describe(osmFigures)
        << "\n";

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

void BuildFacts::checkOrThrow() const
{
    std::string problems;
    for (const std::string& u : screen.unresolved)
        problems += "\n  county outlier unresolved: " + text::cp1252ToUtf8(u);
    for (const std::string& t : towns)
        problems += "\n  no record of the town " + text::cp1252ToUtf8(t) + " within 5 km";
    if (!problems.empty())
        throw SourceError("the built places fail their checks:" + problems);
}

} // namespace tools
