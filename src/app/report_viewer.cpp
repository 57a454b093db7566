// SPDX-License-Identifier: GPL-3.0-or-later
#include "report_viewer.h"

#include "app/messages.h"
#include "app/text_lines.h"
#include "records/working_files.h"
#include "reports/csv_convert.h"
#include "text/file_lookup.h"
#include "text/text_file.h"

namespace app {

ReportViewer::ReportViewer(Ports ports, Dispatcher& dispatcher, std::filesystem::path workingDirectory)
    : Window("ParListFm", "Report  - Print Preview", ports, dispatcher), workingDirectory_(std::move(workingDirectory))
{
    using K = ControlKind;
    controls_ = {
        {.name = "Panel1", .kind = K::Group},
        {.name = "Label1", .kind = K::Label, .caption = "Steeplewatcher", .parent = "Panel1"},
        {.name = "Print",
         .kind = K::Button,
         .caption = "&Print",
         .hint = "Send report to printer",
         .parent = "Panel1",
         .onClick = [this] { print(); }},
        {.name = "CSVOUTPUT",
         .kind = K::Button,
         .caption = "Create a CSV &File",
         .parent = "Panel1",
         .onClick = [this] { writeCsv(); }},
        // The radius plot's window gives it its command.
        {.name = "ShowPlot",
         .kind = K::Button,
         .caption = "Plo&t",
         .hint = "Plot results from last Parish Group",
         .parent = "Panel1"},
        {.name = "Label2", .kind = K::Label, .caption = "At", .parent = "Panel1"},
        {.name = "Scale", .kind = K::Edit, .parent = "Panel1", .text = &view_.Scale},
        {.name = "CheckBox1",
         .kind = K::CheckBox,
         .caption = "Restrict Plot to Target County",
         .hint = "If Checked plot will only include Parishes in the Same County as the Target Parish.",
         .parent = "Panel1",
         .checked = &view_.CheckBox1},
        {.name = "Label3", .kind = K::Label, .caption = "Pixels per Km", .parent = "Panel1"},
        {.name = "Close", .kind = K::Button, .caption = "&Close", .parent = "Panel1", .onClick = [this] { hide(); }},
        {.name = "RichEdit1", .kind = K::TextEdit, .lines = &view_.RichEdit1},
    };
}

void ReportViewer::onShow()
{
    if (!loadLines(workingDirectory_, files::kReport, view_.RichEdit1)) {
        ports_.dialogs.message(std::string(msg::kNoReportFile));
        return;
    }
    moveFocus("RichEdit1");
}

void ReportViewer::print()
{
    // The text as shown, edits included.
    printAfterDialog(ports_, view_.RichEdit1);
}

void ReportViewer::writeCsv()
{
    auto path = text::findFile(workingDirectory_, files::kReport);
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
        text::replaceFile(text::filePath(workingDirectory_, files::kReportCsv), csv.value_or(std::string()),
                          text::Sync::Lazy);
    }
    if (!csv)
        ports_.dialogs.message(std::string(msg::kUnknownReport));
}

void writeReport(const std::filesystem::path& workingDirectory, const std::string& report)
{
    text::replaceFile(text::filePath(workingDirectory, files::kReport), report, text::Sync::Lazy);
}

} // namespace app
