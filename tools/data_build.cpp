#include "data_build.h"

#include "build_report.h"
#include "coast_rings.h"
#include "county_corrections.h"
#include "county_list.h"
#include "data_checks.h"
#include "map_files.h"
#include "maps/map_list_conversion.h"
#include "parish_file.h"
#include "place_merge.h"
#include "place_selection.h"
#include "plot_files.h"
#include "records/working_files.h"
#include "source_places.h"
#include "text/io_error.h"
#include "text/text_file.h"

#include <system_error>

namespace tools {
namespace {

constexpr const char* kMapListSource = "Maplist_LR.txt";
constexpr const char* kGbCoastSource = "gb_coast_mainland_bng_km.txt";
constexpr const char* kIrlCoastSource = "irl_coast_island_ig_km.txt";
constexpr const char* kGbTownsSource = "gb_reference_towns.txt";
constexpr const char* kIrlTownsSource = "irl_reference_towns.txt";
// The user guide, converted from its HTML source by LibreOffice and shipped unchanged.
constexpr const char* kReadMeSource = "readme/ReadMe.rtf";

std::string readSource(const std::filesystem::path& dir, std::string_view name)
{
    try {
        return text::readFile(dir / std::string(name));
    } catch (const text::IoError& e) {
        throw text::IoError(std::string(name) + ": " + e.what());
    }
}

} // namespace

std::vector<std::string> sourceFileNames()
{
    return {std::string(kEnglandListFile),
            std::string(kGeoNamesFile),
            std::string(kPostalFile),
            std::string(kVillarisFile),
            std::string(kScottishParishesFile),
            std::string(kIrishParishesFile),
            std::string(kCoastRingsFile),
            kMapListSource,
            kGbCoastSource,
            kIrlCoastSource,
            kGbTownsSource,
            kIrlTownsSource,
            kReadMeSource};
}

BuiltData buildData(const std::filesystem::path& sourceDir)
{
    BuildFacts facts;
    SourceRows englandList = readEnglandList(readSource(sourceDir, kEnglandListFile));
    SourceRows geoNames = readGeoNames(readSource(sourceDir, kGeoNamesFile));
    SourceRows postal = readPostal(readSource(sourceDir, kPostalFile));
    SourceRows villaris = readVillaris(readSource(sourceDir, kVillarisFile));
    SourceRows scottishParishes =
        readScottishParishes(readSource(sourceDir, kScottishParishesFile), facts.merge.unpositionedParishes);
    SourceRows irishParishes = readIrishParishes(readSource(sourceDir, kIrishParishesFile));
    facts.noteSources({&englandList, &geoNames, &postal, &villaris, &scottishParishes, &irishParishes});

    std::vector<Place> places = mergeSources({englandList.places, geoNames.places, postal.places, villaris.places,
                                              scottishParishes.places, irishParishes.places},
                                             facts.merge);
    facts.counties = correctCounties(places, geoNames.places);
    facts.counties.byHand = correctByHand(places);
    facts.counties.northWest = correctNorthWest(places, villaris.places);
    facts.counties.mersey = correctMerseyBorder(places, villaris.places);
    facts.counties.unanimous = correctByUnanimousNeighbours(places, villaris.places);
    facts.offLand = leaveOutOffLand(places, Land::read(readSource(sourceDir, kCoastRingsFile)));
    facts.selection = selectPlaces(places, kMaxShippedRecords - 1);
    facts.screen = screenCounties(places);
    facts.towns = townsWithoutRecord(places, geoNames.places);
    facts.cellFigures = measurePositions(facts.merge.cellVsGeoNames);
    facts.cellHeldOutFigures = measurePositions(facts.merge.cellVsGeoNamesHeldOut);
    facts.osmFigures = measurePositions(geoNamesVsOpenStreetMap(places, villaris.places));
    facts.checkOrThrow();
    std::vector<records::ParishRecord> records = parishRecords(places);
    facts.notePlaces(places);

    BuiltData data;
    data.files.push_back({std::string(files::kParishes), fileBytes(records)});
    data.files.push_back({std::string(files::kCounties), countyListText(records)});
    std::string mapList = mapListText(readSource(sourceDir, kMapListSource), kMapListSource, facts.badLines);
    data.files.push_back({std::string(files::kMapListText), mapList});
    data.files.push_back({std::string(files::kMapList), maps::convertMapList(mapList)});
    data.files.push_back({std::string(files::kGbCoast),
                          coastlineFile(readSource(sourceDir, kGbCoastSource), kGbCoastSource, false, facts.badLines)});
    data.files.push_back({std::string(files::kIrlCoast), coastlineFile(readSource(sourceDir, kIrlCoastSource),
                                                                       kIrlCoastSource, true, facts.badLines)});
    data.files.push_back({std::string(files::kGbPlaces),
                          placeFile(readSource(sourceDir, kGbTownsSource), kGbTownsSource, false, facts.badLines)});
    data.files.push_back({std::string(files::kIrlPlaces),
                          placeFile(readSource(sourceDir, kIrlTownsSource), kIrlTownsSource, true, facts.badLines)});
    data.files.push_back({std::string(files::kReadMe), readSource(sourceDir, kReadMeSource)});
    data.report = facts.report(data.files);
    return data;
}

void writeBuiltFiles(const BuiltData& data, const std::filesystem::path& outputDir)
{
    std::error_code ec;
    std::filesystem::create_directories(outputDir, ec);
    if (ec)
        throw text::IoError(outputDir.string() + ": " + ec.message());
    for (const BuiltFile& file : data.files)
        text::replaceFile(outputDir / file.name, file.bytes);
}

} // namespace tools
