#pragma once
// Every stored text is Windows code page 1252 bytes; the screen and the
// driver's transcript speak UTF-8. These two functions are the only bridge.
#include <string>
#include <string_view>

namespace text {

std::string cp1252ToUtf8(std::string_view bytes);

// Characters that cp1252 lacks become '?'; malformed UTF-8 bytes too.
std::string utf8ToCp1252(std::string_view utf8);

} // namespace text
