#pragma once
// Maplist.txt, the 1:50 000 sheet grid as text, and MapList.Dat converted
// from it by the same code as the program's "Convert Map Data".
#include "source_places.h"

#include <string>
#include <string_view>
#include <vector>

namespace tools {

// The source's lines that describe a possible sheet (a known series, "N" or
// "I", edges that read as whole km, west of east and south of north, an
// ordinary Landranger sheet exactly 40 km square), each kept exactly as it
// stands; any other line is reported and left out.
std::string mapListText(std::string_view sourceText, std::string_view sourceName, std::vector<BadRow>& bad);

} // namespace tools
