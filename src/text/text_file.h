#pragma once
// Text files as the program keeps them: cp1252 lines ended by CR LF.
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace text {

// A line ends at CR, LF or CR LF; a last line without an ending still counts;
// a NUL ends the text.
std::vector<std::string> splitLines(std::string_view content);

// Every line followed by CR LF, the last one too.
std::string joinLines(const std::vector<std::string>& lines);

// Throws IoError.
std::string readFile(const std::filesystem::path& path);

// Writes a temporary file beside the target, flushes it to disk and renames it
// over the target, so the target is either the old file or the whole new one.
// Throws IoError; on failure the temporary file is removed.
void writeFileWhole(const std::filesystem::path& path, std::string_view content);

} // namespace text
