#pragma once
// The location plot's files: a coastline (one vertex a line, easting in
// columns 1-6 and northing in 7-12, whole km) and reference places (name in
// columns 1-25, easting 26-31, northing 32-37), CR LF lines. Each source line
// is checked and written anew in exactly that layout; a bad line is reported
// and left out.
#include "source_places.h"

#include <string>
#include <string_view>
#include <vector>

namespace tools {

std::string coastlineFile(std::string_view sourceText, std::string_view sourceName, bool irishGrid,
                          std::vector<BadRow>& bad);

std::string placeFile(std::string_view sourceText, std::string_view sourceName, bool irishGrid,
                      std::vector<BadRow>& bad);

} // namespace tools
