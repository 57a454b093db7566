#include "parlistfm.h"

#include "app/general_error.h"
#include "app/messages.h"
#include "reports/csv_convert.h"
#include "text/file_lookup.h"
#include "text/text_file.h"

namespace app {

namespace {
constexpr std::string_view kReportFile = "ParList.txt";
constexpr std::string_view kCsvFile = "ParList.csv";
constexpr std::string_view kFormName = "ParListFm";
} // namespace

ParListFm::ParListFm(Ports ports, std::filesystem::path workingDirectory)
    : ports_(ports), workingDirectory_(std::move(workingDirectory))
{
}

void ParListFm::run(void (ParListFm::*handler)())
{
    runCommand(ports_.dialogs, [&] { (this->*handler)(); });
}

void ParListFm::show()
{
    if (view.visible) {
        ports_.platform.showForm(kFormName); // to the front, text as it is
        return;
    }
    view.visible = true;
    ports_.platform.showForm(kFormName);
    run(&ParListFm::FormShow);
    if (viewChanged)
        viewChanged();
}

void ParListFm::hide()
{
    view.visible = false;
    view.richEditFocused = false;
    ports_.platform.hideForm(kFormName);
    if (viewChanged)
        viewChanged();
}

void ParListFm::FormShow()
{
    auto path = text::findFile(workingDirectory_, kReportFile);
    if (!path) {
        ports_.dialogs.message(std::string(msg::kNoReportFile));
        return;
    }
    std::vector<std::string> lines = text::splitLines(text::readFile(*path));
    if (lines.empty())
        lines.emplace_back(); // a view always holds at least one line
    view.RichEdit1 = std::move(lines);
    view.richEditFocused = true;
}

void ParListFm::CloseClick()
{
    hide();
}

void ParListFm::PrintClick()
{
    if (!ports_.dialogs.printDialog())
        return;
    // The text as shown, edits included.
    reports::printLines(ports_.platform.printer(), std::string(msg::kApplicationTitle), std::string(kReportFont),
                        kReportPointSize, view.RichEdit1);
}

void ParListFm::CSVOUTPUTClick()
{
    auto path = text::findFile(workingDirectory_, kReportFile);
    if (!path) {
        ports_.dialogs.message(std::string(msg::kNoReportFile));
        hide();
        return;
    }
    std::optional<std::string> csv;
    {
        BusyCursor busy(ports_.feedback);
        csv = reports::reportToCsv(text::readFile(*path));
        // Written whole: a failure leaves the previous ParList.csv as it was.
        text::writeFileWhole(text::filePath(workingDirectory_, kCsvFile), csv.value_or(std::string()),
                             text::Sync::Lazy);
    }
    if (!csv)
        ports_.dialogs.message(std::string(msg::kUnknownReport));
}

std::optional<ParListHandler> findParListHandler(std::string_view control)
{
    if (control == "Print")
        return &ParListFm::PrintClick;
    if (control == "CSVOUTPUT")
        return &ParListFm::CSVOUTPUTClick;
    if (control == "Close")
        return &ParListFm::CloseClick;
    return std::nullopt;
}

std::string* parListTextBox(ParListFmView& view, std::string_view control)
{
    return control == "Scale" ? &view.Scale : nullptr;
}

std::vector<std::string>* parListLinesBox(ParListFmView& view, std::string_view control)
{
    return control == "RichEdit1" ? &view.RichEdit1 : nullptr;
}

bool* parListCheckBox(ParListFmView& view, std::string_view control)
{
    return control == "CheckBox1" ? &view.CheckBox1 : nullptr;
}

bool isParListButton(std::string_view control)
{
    return control == "Print" || control == "CSVOUTPUT" || control == "ShowPlot" || control == "Close";
}

} // namespace app
