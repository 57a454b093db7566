#pragma once
// Every shipped data file, built in memory from the source folder, with a
// report of what went in and what was left out and why.
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

namespace tools {

// The most records Parishes.Dat ships with: the sort's limit of 30,000 less
// 1,000 records of room for the user's own insertions and imports, so that
// "Sort File on Parish Name" still works after them.
inline constexpr std::size_t kMaxShippedRecords = 29000;

struct BuiltFile {
    std::string name; // as the program looks for it
    std::string bytes;
};

struct BuiltData {
    std::vector<BuiltFile> files;
    std::string report; // for a person: counts, what was left out and why, bad source lines
};

// The source files the builder reads, by name, in the source folder.
std::vector<std::string> sourceFileNames();

// Throws SourceError or text::IoError when a source is missing or unusable.
BuiltData buildData(const std::filesystem::path& sourceDir);

// Writes every file whole (temporary file, then rename), creating the folder
// when it is missing. Throws text::IoError.
void writeBuiltFiles(const BuiltData& data, const std::filesystem::path& outputDir);

} // namespace tools
