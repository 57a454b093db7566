#include "mapfm.h"

#include "app/general_error.h"
#include "app/messages.h"
#include "maps/sheet_lookup.h"
#include "text/file_lookup.h"
#include "text/text_file.h"

#include <algorithm>

namespace app {

namespace {
constexpr std::string_view kFormName = "Mapfm";
constexpr std::string_view kMapFile = "Maplist.Dat";
constexpr std::string_view kPrintTitle = "Map Nos";
} // namespace

Mapfm::Mapfm(Ports ports, std::filesystem::path workingDirectory, const ParishfmView& main)
    : ports_(ports), workingDirectory_(std::move(workingDirectory)), main_(main)
{
}

void Mapfm::run(void (Mapfm::*handler)())
{
    runCommand(ports_.dialogs, [&] { (this->*handler)(); });
}

void Mapfm::show()
{
    view.visible = true;
    ports_.platform.showForm(kFormName);
    run(&Mapfm::FormShow);
    if (viewChanged)
        viewChanged();
}

void Mapfm::hide()
{
    view.visible = false;
    ports_.platform.hideForm(kFormName);
    if (viewChanged)
        viewChanged();
}

void Mapfm::FormShow()
{
    view.RichEdit1.clear();
    auto path = text::findFile(workingDirectory_, kMapFile);
    if (!path) {
        ports_.dialogs.message(std::string(msg::kNoMapFile));
        hide();
        return;
    }
    BusyCursor busy(ports_.feedback);
    const std::string bytes = text::readFile(*path);
    maps::lookUpSheets({main_.Parish1, main_.OsRef1, main_.Parish1East, main_.Parish1North}, bytes, view.RichEdit1);
}

void Mapfm::PrintbnClick()
{
    // On the printer in use, without asking.
    reports::printLines(ports_.platform.printer(), std::string(kPrintTitle), std::string(kMapFont), kMapPointSize,
                        view.RichEdit1);
}

void Mapfm::BitBtn1Click()
{
    hide();
}

std::optional<MapfmHandler> findMapfmHandler(std::string_view control)
{
    if (control == "Printbn")
        return &Mapfm::PrintbnClick;
    if (control == "BitBtn1")
        return &Mapfm::BitBtn1Click;
    return std::nullopt;
}

std::vector<std::string>* mapfmLinesBox(MapfmView& view, std::string_view control)
{
    return control == "RichEdit1" ? &view.RichEdit1 : nullptr;
}

bool isMapfmControl(std::string_view control)
{
    static constexpr std::string_view kControls[] = {"Panel1", "Label1", "Label7",  "Printbn", "BitBtn1",   "Label2",
                                                     "Label3", "Label5", "Lablel4", "Label6",  "RichEdit1", "Label4"};
    return std::ranges::find(kControls, control) != std::end(kControls);
}

} // namespace app
