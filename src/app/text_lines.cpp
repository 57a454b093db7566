// SPDX-License-Identifier: GPL-3.0-or-later
#include "text_lines.h"

#include "app/messages.h"
#include "text/file_lookup.h"
#include "text/text_file.h"

namespace app {

bool loadLines(const std::filesystem::path& workingDirectory, std::string_view fileName,
               std::vector<std::string>& lines)
{
    auto path = text::findFile(workingDirectory, fileName);
    if (!path)
        return false;
    lines = text::splitLines(text::readFile(*path));
    if (lines.empty())
        lines.emplace_back(); // a view always holds at least one line
    return true;
}

void printAfterDialog(Ports& ports, const std::vector<std::string>& lines)
{
    if (!ports.dialogs.printDialog())
        return;
    reports::printLines(ports.platform.printer(), std::string(msg::kApplicationTitle), std::string(kTextFont),
                        kTextPointSize, lines);
}

} // namespace app
