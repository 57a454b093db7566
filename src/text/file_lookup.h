#pragma once
// File names are matched without regard to letter case, as users of the data
// files expect; a new file is created under the spelling the caller gives.
#include <filesystem>
#include <optional>
#include <string_view>

namespace text {

// The existing file in dir whose name equals name ignoring ASCII case
// (an exact match wins), or nothing.
std::optional<std::filesystem::path> findFile(const std::filesystem::path& dir, std::string_view name);

// The existing file if there is one, else dir / name.
std::filesystem::path filePath(const std::filesystem::path& dir, std::string_view name);

bool fileExists(const std::filesystem::path& dir, std::string_view name);

} // namespace text
