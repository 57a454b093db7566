#include "generated_file.h"

#include "records/parish_record.h"
#include "text/columns.h"
#include "text/text_file.h"

#include <cstdlib>
#include <stdexcept>
#include <string>

namespace bench {

GeneratedDataFile::GeneratedDataFile(int records) : records_(records)
{
    std::string pattern = (std::filesystem::temp_directory_path() / "sw-bench-XXXXXX").string();
    if (!::mkdtemp(pattern.data()))
        throw std::runtime_error("cannot create a temporary folder");
    folder_ = pattern;
    try {
        write();
    } catch (...) {
        std::error_code ec;
        std::filesystem::remove_all(folder_, ec);
        throw;
    }
}

void GeneratedDataFile::write()
{
    static const char* const kStems[] = {"Ashby", "Barton", "Church", "Down", "Eaton", "Fenny", "Great", "Hinton"};
    static const char* const kCounties[] = {"LEI", "LIN", "NFK", "YKS", "DEV", "COR", "PEM", "PER"};
    std::string bytes;
    auto append = [&](const records::ParishRecord& r) { bytes.append(r.bytes.data(), r.bytes.size()); };
    append(records::makeRecord(
        {text::padRight("// Database Version bench", 45), " ", "   ", "   ", "      ", "     0", "     0"}));
    for (int i = 1; i < records_; ++i) {
        bool irish = i % 10 == 0;
        int e = 100 + (i * 37) % 500, n = 50 + (i * 53) % 800;
        std::string name = std::string(kStems[i % 8]) + " " + std::to_string(i);
        append(
            records::makeRecord({text::padRight(name, 45), "P", kCounties[(i / 8) % 8], irish ? "IRL" : "ENG", "SK0000",
                                 text::padLeft(std::to_string(e), 6), text::padLeft(std::to_string(n), 6)}));
    }
    text::replaceFile(path(), bytes);
}

GeneratedDataFile::~GeneratedDataFile()
{
    std::error_code ec;
    std::filesystem::remove_all(folder_, ec);
}

} // namespace bench
