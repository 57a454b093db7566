#pragma once
// Fixed-column text: lines are built by padding fields to widths and read by
// cutting at 1-based column ranges.
#include <string>
#include <string_view>

namespace text {

// Pads with blanks on the right to width; a longer text is kept whole.
std::string padRight(std::string_view s, std::size_t width);
// Pads with blanks on the left to width; a longer text is kept whole.
std::string padLeft(std::string_view s, std::size_t width);
// Columns first..first+count-1 (1-based); whatever part of them the line holds.
std::string_view columns(std::string_view line, std::size_t first, std::size_t count);

} // namespace text
