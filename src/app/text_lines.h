// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the windows that show a text file share: loading its lines, and
// printing them line by line after the print dialog.
#include "app/ports.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace app {

// The font text files are shown and printed in.
inline constexpr std::string_view kTextFont = "Courier New";
inline constexpr int kTextPointSize = 10;

// Loads the file of that name (found whatever its letter case) into lines,
// at least one line; false, with lines untouched, when there is no such file.
bool loadLines(const std::filesystem::path& workingDirectory, std::string_view fileName,
               std::vector<std::string>& lines);

// Asks the print dialog, then prints the lines as one job; nothing when cancelled.
void printAfterDialog(Ports& ports, const std::vector<std::string>& lines);

} // namespace app
