// SPDX-License-Identifier: GPL-3.0-or-later
#include "map_sheet_window.h"

#include "app/messages.h"
#include "app/text_lines.h"
#include "records/working_files.h"
#include "text/file_lookup.h"
#include "text/text_file.h"

namespace app {

namespace {
constexpr std::string_view kPrintTitle = "Map Nos";
} // namespace

MapSheetWindow::MapSheetWindow(Ports ports, Dispatcher& dispatcher, std::filesystem::path workingDirectory)
    : Window("Mapfm", "OS Maps", ports, dispatcher), workingDirectory_(std::move(workingDirectory))
{
    using K = ControlKind;
    controls_ = {
        {.name = "Panel1", .kind = K::Group},
        {.name = "Label1", .kind = K::Label, .caption = "Ordnance Survey Map Index ", .parent = "Panel1"},
        {.name = "Label7",
         .kind = K::Label,
         .caption = "Ordnance Survey, Landranger and Discovery are trade marks of their owners.",
         .parent = "Panel1"},
        // On the printer in use, without asking.
        {.name = "Printbn", .kind = K::Button, .caption = "&Print", .parent = "Panel1", .onClick = [this] { print(); }},
        {.name = "BitBtn1", .kind = K::Button, .caption = "&Close", .parent = "Panel1", .onClick = [this] { hide(); }},
        {.name = "Label2",
         .kind = K::Label,
         .caption = "The Landranger(R) Series of maps to a scale of 1:50,000 or  1\xBC miles to the inch, each cover "
                    "an area  40km (25 miles) square."},
        {.name = "Label3", .kind = K::Label, .caption = "There are 204 in the series to cover mainland UK."},
        {.name = "Label5",
         .kind = K::Label,
         .caption = "Details are available online from www.ordnancesurvey.co.uk/products/Landranger/index.htm"},
        {.name = "Lablel4",
         .kind = K::Label,
         .caption = "The Discovery Series of maps also to a scale of 1:50000 each cover an area of approx 40km  by "
                    "30km "},
        {.name = "Label6", .kind = K::Label, .caption = "There are 89 in the series to cover the whole of Ireland. "},
        {.name = "RichEdit1", .kind = K::TextView, .lines = &view_.RichEdit1},
        {.name = "Label4",
         .kind = K::Label,
         .caption = "Some sheets overlap.  Users are urged to check which sheet is most appropriate for their needs."},
    };
}

void MapSheetWindow::open(const maps::ParishPlace& parish)
{
    parish1_ = parish.description;
    osRef1_ = parish.osRef;
    east1_ = parish.easting;
    north1_ = parish.northing;
    show();
}

void MapSheetWindow::onShow()
{
    view_.RichEdit1.clear();
    auto path = text::findFile(workingDirectory_, files::kMapList);
    if (!path) {
        ports_.dialogs.message(std::string(msg::kNoMapFile));
        hide();
        return;
    }
    BusyCursor busy(ports_.feedback);
    const std::string bytes = text::readFile(*path);
    maps::lookUpSheets({parish1_, osRef1_, east1_, north1_}, bytes, view_.RichEdit1);
}

void MapSheetWindow::print()
{
    if (!ports_.platform.printerReady())
        return;
    reports::printLines(ports_.platform.printer(), std::string(kPrintTitle), std::string(kTextFont), kTextPointSize,
                        view_.RichEdit1);
}

} // namespace app
