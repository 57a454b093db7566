// build_sample_data PLACES.csv OUTPUT [VERSION]
// Writes the sample parish data file from the hand-checked places CSV.
#include "sample_places.h"

#include "text/io_error.h"
#include "text/text_file.h"

#include <iostream>

namespace {
constexpr const char* kDefaultVersion = "0.1 sample";
}

int main(int argc, char** argv)
{
    if (argc < 3 || argc > 4) {
        std::cerr << "usage: build_sample_data PLACES.csv OUTPUT [VERSION]\n";
        return 2;
    }
    std::string version = argc == 4 ? argv[3] : kDefaultVersion;
    if (records::kVersionPrefix.size() + 1 + version.size() > 45) {
        std::cerr << "build_sample_data: the version text \"" << version << "\" does not fit the name field\n";
        return 2;
    }
    try {
        auto places = tools::readPlaces(text::readFile(argv[1]));
        auto records = tools::sampleRecords(version, places);
        text::writeFileWhole(argv[2], tools::fileBytes(records));
        std::cout << "build_sample_data: wrote " << records.size() << " records to " << argv[2] << "\n";
        return 0;
    } catch (const tools::BadPlaceRow& e) {
        std::cerr << "build_sample_data: " << argv[1] << ", " << e.what() << "\n";
    } catch (const text::IoError& e) {
        std::cerr << "build_sample_data: " << e.what() << "\n";
    }
    return 1;
}
