#pragma once
// A parish data file of a given size, generated in a temporary folder for the
// benchmarks and removed with it.
#include <filesystem>

namespace bench {

class GeneratedDataFile {
public:
    // A version record and records - 1 parishes with varied names and positions.
    explicit GeneratedDataFile(int records);
    ~GeneratedDataFile();
    GeneratedDataFile(const GeneratedDataFile&) = delete;
    GeneratedDataFile& operator=(const GeneratedDataFile&) = delete;

    const std::filesystem::path& folder() const { return folder_; }
    std::filesystem::path path() const { return folder_ / "Parishes.Dat"; }
    int records() const { return records_; }

private:
    void write();

    std::filesystem::path folder_;
    int records_;
};

} // namespace bench
