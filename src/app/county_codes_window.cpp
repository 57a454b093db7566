// SPDX-License-Identifier: GPL-3.0-or-later
#include "county_codes_window.h"

#include "app/messages.h"
#include "app/text_lines.h"
#include "records/working_files.h"

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
    // Without the file the list shown before stays.
    if (!loadLines(workingDirectory_, files::kCounties, lines_))
        ports_.dialogs.message(std::string(msg::kNoCountyFile));
}

void CountyCodesWindow::print()
{
    printAfterDialog(ports_, lines_);
}

} // namespace app
