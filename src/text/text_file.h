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

// Takes the next line off the front of rest (a line ends at CR, LF or CR LF).
std::string_view takeLine(std::string_view& rest);

// Every line followed by CR LF, the last one too.
std::string joinLines(const std::vector<std::string>& lines);

// Throws IoError.
std::string readFile(const std::filesystem::path& path);

// Whether a whole write waits for the disk. Files the user keeps do. Reports,
// which the next command writes again anyway, need not: the old one is
// removed just before the new one is renamed into its place, since renaming
// over an existing file makes some file systems (ext4) write it out at once.
enum class Sync { ToDisk, Lazy };

// Writes a temporary file beside the target, flushes it and renames it over
// the target, so the target is either the old file or the whole new one.
// Throws IoError; on failure the temporary file is removed.
void writeFileWhole(const std::filesystem::path& path, std::string_view content, Sync sync = Sync::ToDisk);

} // namespace text
