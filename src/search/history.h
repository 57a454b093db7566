#pragma once
// The search history: texts kept in alphabetical order without regard to case,
// saved one a line (cp1252, CR LF) in HistList.txt.
#include <filesystem>
#include <string>
#include <vector>

namespace search {

// Inserts item after any items that sort equal to it.
void insertSorted(std::vector<std::string>& items, std::string item);

// The file's lines, each inserted in order. Throws IoError.
std::vector<std::string> loadHistory(const std::filesystem::path& file);

// Writes every item, in order, each followed by CR LF, replacing the file whole. Throws IoError.
void saveHistory(const std::filesystem::path& file, const std::vector<std::string>& items);

} // namespace search
