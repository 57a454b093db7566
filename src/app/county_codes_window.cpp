// SPDX-License-Identifier: GPL-3.0-or-later
#include "county_codes_window.h"

#include "app/messages.h"
#include "app/report_viewer.h"
#include "records/working_files.h"
#include "text/file_lookup.h"
#include "text/text_file.h"

namespace app {

CountyCodesWindow::CountyCodesWindow(Ports ports, Dispatcher& dispatcher, std::filesystem::path workingDirectory)
    : Window("CodesFm", "County Code List", ports, dispatcher), workingDirectory_(std::move(workingDirectory))
{
    using K = ControlKind;
    controls_ = {
        {.name = "Panel1", .kind = K::Group},
        {.name = "Label1", .kind = K::Label, .caption = "Steeplewatcher", .parent = "Panel1"},
        {.name = "PrintBtn",
         .kind = K::Button,
         .caption = "&Print",
         .parent = "Panel1",
         .onClick = [this] { print(); }},
        // A standard Close button: it closes the window by its kind.
        {.name = "BitBtn1", .kind = K::Button, .caption = "&Close", .parent = "Panel1", .onClick = [this] { hide(); }},
        {.name = "RichEdit1", .kind = K::TextView, .lines = &lines_},
    };
}

void CountyCodesWindow::onShow()
{
    auto path = text::findFile(workingDirectory_, files::kCounties);
    if (!path) {
        // The list shown before stays.
        ports_.dialogs.message(std::string(msg::kNoCountyFile));
        return;
    }
    std::vector<std::string> lines = text::splitLines(text::readFile(*path));
    if (lines.empty())
        lines.emplace_back(); // a view always holds at least one line
    lines_ = std::move(lines);
}

void CountyCodesWindow::print()
{
    if (!ports_.dialogs.printDialog())
        return;
    reports::printLines(ports_.platform.printer(), std::string(msg::kApplicationTitle), std::string(kReportFont),
                        kReportPointSize, lines_);
}

} // namespace app
