// build-data SOURCE_DIR OUTPUT_DIR
// Builds every shipped data file from the open sources in SOURCE_DIR and
// writes them into OUTPUT_DIR, then reports what went in and what was left out.
#include "csv_table.h"
#include "data_build.h"
#include "text/io_error.h"

#include <iostream>

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::cerr << "usage: build-data SOURCE_DIR OUTPUT_DIR\n";
        return 2;
    }
    try {
        tools::BuiltData data = tools::buildData(argv[1]);
        tools::writeBuiltFiles(data, argv[2]);
        std::cout << data.report;
        return 0;
    } catch (const tools::SourceError& e) {
        std::cerr << "build-data: " << e.what() << "\n";
    } catch (const text::IoError& e) {
        std::cerr << "build-data: " << e.what() << "\n";
    }
    return 1;
}
