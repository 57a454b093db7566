#pragma once
// Text files as the program keeps them: cp1252 lines ended by CR LF. They are
// written whole through replaceFile.
#include "text/file_replace.h"

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

} // namespace text
