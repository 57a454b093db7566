// SPDX-License-Identifier: GPL-3.0-or-later
#include "plot_windows.h"

#include "app/messages.h"
#include "plot/location_plot.h"
#include "plot/radius_plot.h"
#include "records/working_files.h"
#include "text/ansi.h"
#include "text/file_lookup.h"
#include "text/numbers.h"
#include "text/text_file.h"

namespace app {
namespace {

using K = ControlKind;

Control barItem(std::string_view name, std::string_view caption, std::function<void()> onClick,
                std::string_view hint = {})
{
    return {.name = name, .kind = K::MenuItem, .caption = caption, .hint = hint, .onClick = std::move(onClick)};
}

// Asks where to save a copy of the plot on show (PNG or SVG) and writes it there.
std::function<void()> saveAs(Ports& ports, const std::shared_ptr<const plot::Drawing>& picture)
{
    return [&ports, &picture] {
        if (!picture)
            return;
        if (auto path = ports.dialogs.saveFile(std::string(msg::kSavePlotTitle), std::string(msg::kPictureFilter)))
            ports.platform.savePicture(*picture, *path);
    };
}

// Shows the drawing and saves it beside the data, under the spelling of a file already there.
void showAndSave(Ports& ports, std::shared_ptr<const plot::Drawing>& picture, plot::Drawing drawing,
                 const std::filesystem::path& workingDirectory, std::string_view file)
{
    picture = std::make_shared<const plot::Drawing>(std::move(drawing));
    ports.platform.savePicture(*picture, text::filePath(workingDirectory, file));
}

} // namespace

PlotDataWindow::PlotDataWindow(Ports ports, Dispatcher& dispatcher, const ParishfmView& main)
    : Window("PlotDataFm", "Plot Data", ports, dispatcher), main_(main)
{
    controls_ = {
        {.name = "Label1",
         .kind = K::Label,
         .caption = "All Parish names on the Plot have been truncated to a maximum of 15 characters"},
        {.name = "Label2", .kind = K::Label, .caption = "The Target Parish Details are as follows:-"},
        {.name = "Label3", .kind = K::Label, .text = &parish_},
        {.name = "Label4", .kind = K::Label, .text = &reference_},
        {.name = "Label5", .kind = K::Label, .caption = "Eastings and Northings are based on the 1km National grid"},
        {.name = "Button1", .kind = K::Button, .caption = "Close", .onClick = [this] { hide(); }},
    };
}

void PlotDataWindow::onShow()
{
    parish_ = main_.Parish1;
    reference_ =
        "OS Ref:-" + main_.OsRef1 + ".   Easting:-" + main_.Parish1East + ".   Northing:-" + main_.Parish1North + ".";
}

RadiusPlotWindow::RadiusPlotWindow(Ports ports, Dispatcher& dispatcher, std::filesystem::path workingDirectory,
                                   ReportViewer& viewer, const ParishfmView& main, PlotDataWindow& information)
    : Window("PlotFm", "Parish Location Plot", ports, dispatcher), workingDirectory_(std::move(workingDirectory)),
      viewer_(viewer), main_(main)
{
    controls_ = {
        barItem("Print1", "&Print",
                [this] {
                    if (picture_ && ports_.dialogs.printDialog())
                        ports_.platform.printPicture(*picture_);
                }),
        barItem(
            "ZoomIn1", "Zoom &In", [this] { zoom(+5); }, "Increases Pixels Per Inch by 5"),
        barItem("ZoomOut1", "Zoom &Out", [this] { zoom(-5); }),
        barItem("ClosePlot1", "&Close Plot", [this] { hide(); }),
        barItem("Information1", "Information", [&information] { information.open(); }),
        barItem("SaveAs1", "Save &As...", saveAs(ports_, picture_), "Save the plot as a PNG picture or an SVG drawing"),
        {.name = "Image1", .kind = K::Picture, .picture = &picture_},
    };
}

void RadiusPlotWindow::plot()
{
    ReportViewerView& settings = viewer_.plotSettings();
    const text::WholeReading scale = text::readWhole(settings.Scale);
    if (!scale.ok) {
        ports_.dialogs.message(std::string(msg::kScaleNotNumeric));
        return;
    }
    if (scale.value < 5 || scale.value > 75) {
        ports_.dialogs.message(std::string(msg::kScaleOutOfRange));
        return;
    }
    show();
    const std::optional<std::filesystem::path> points = text::findFile(workingDirectory_, files::kPlotPoints);
    if (!points) {
        ports_.dialogs.message(std::string(msg::kNoPlotFile));
        hide();
        viewer_.close();
        return;
    }
    BusyCursor busy(ports_.feedback);
    const std::string list = text::readFile(*points);
    plot::RadiusPlot made =
        plot::radiusPlot({list, scale.value, text::leadingInteger(main_.Radius), settings.CheckBox1});
    setCaption("Parishes around " + made.target + " at " + settings.Scale + " pixels per Km. "
               + " -  Circles at 4km/2.5 Mile intervals - Close Parishes may overlap.");
    showAndSave(ports_, picture_, std::move(made.drawing), workingDirectory_, files::kRadiusPicture);
}

void RadiusPlotWindow::zoom(int step)
{
    ReportViewerView& settings = viewer_.plotSettings();
    const std::int32_t v = text::leadingInteger(settings.Scale) + step;
    if (v > 75 || v < 5) {
        ports_.dialogs.message(std::string(v > 75 ? msg::kMaxScale : msg::kMinScale));
        return;
    }
    settings.Scale = std::to_string(v);
    plot();
}

LocationPlotWindow::LocationPlotWindow(Ports ports, Dispatcher& dispatcher, std::filesystem::path workingDirectory)
    : Window("LocPlotfm", "LocPlotfm", ports, dispatcher), workingDirectory_(std::move(workingDirectory))
{
    controls_ = {
        barItem("PrintPlot1", "Print Plot",
                [this] {
                    if (picture_ && ports_.platform.printerReady())
                        ports_.platform.printPicture(*picture_);
                }),
        barItem("ZoominMax1", "Zoom in Max", [this] { zoomTo(20); }),
        barItem("ZoomIn1", "Zoom In",
                [this] {
                    const std::int32_t v = text::leadingInteger(scale_) + 1;
                    if (v <= 20)
                        zoomTo(v);
                    else
                        ports_.dialogs.message(std::string(msg::kMaxLocationScale));
                }),
        barItem("ZoomtoNormal1", "Zoom to Normal", [this] { zoomTo(10); }),
        barItem("ZoomOut1", "Zoom Out",
                [this] {
                    const std::int32_t v = text::leadingInteger(scale_) - 1;
                    if (v >= 5)
                        zoomTo(v);
                    else
                        ports_.dialogs.message(std::string(msg::kMinLocationScale));
                }),
        barItem("ZoomOutMax1", "Zoom Out Max", [this] { zoomTo(5); }),
        barItem("ShowLocalParishes1", "Show Local Parishes", {}),
        barItem("Close1", "Close", [this] { hide(); }),
        barItem("SaveAs1", "Save &As...", saveAs(ports_, picture_), "Save the plot as a PNG picture or an SVG drawing"),
        {.name = "Scale", .kind = K::Edit, .caption = "10", .text = &scale_, .visible = false},
        {.name = "Image1", .kind = K::Picture, .picture = &picture_},
    };
}

void LocationPlotWindow::connect(std::function<void()> replot, std::function<void()> showLocalParishes)
{
    replot_ = std::move(replot);
    setCommand("ShowLocalParishes1", [this, show = std::move(showLocalParishes)] {
        hide();
        show();
    });
}

void LocationPlotWindow::zoomTo(int level)
{
    scale_ = std::to_string(level);
    if (replot_)
        replot_();
}

void LocationPlotWindow::plot(const records::ParishRecord& record)
{
    using records::Field;
    const bool ireland = record.get(Field::Country) == "IRL";
    const auto places = text::findFile(workingDirectory_, ireland ? files::kIrlPlaces : files::kGbPlaces);
    if (!places) {
        ports_.dialogs.message(std::string(ireland ? msg::kNoIrlPlaces : msg::kNoGbPlaces));
        return;
    }
    const auto coast = text::findFile(workingDirectory_, ireland ? files::kIrlCoast : files::kGbCoast);
    if (!coast) {
        ports_.dialogs.message(std::string(ireland ? msg::kNoIrlCoast : msg::kNoGbCoast));
        return;
    }
    show();
    BusyCursor busy(ports_.feedback);
    const std::string name(text::trimBlanks(record.name()));
    const std::string coastline = text::readFile(*coast);
    const std::string placeList = text::readFile(*places);
    setCaption("Location Plot for " + name + "  & Selected Locations"
               + " -  Circles at 40km/25 Mile intervals - Close Items may overlap.");
    plot::Drawing drawing =
        plot::locationPlot({ireland ? plot::Country::Ireland : plot::Country::GreatBritain, coastline, placeList,
                            text::leadingInteger(record.get(Field::Easting)),
                            text::leadingInteger(record.get(Field::Northing)), name, text::leadingInteger(scale_)});
    showAndSave(ports_, picture_, std::move(drawing), workingDirectory_, files::kLocationPicture);
}

} // namespace app
