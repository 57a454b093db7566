// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The report viewer (object name ParListFm): shows the last report written to
// ParList.txt, prints it, and converts it into ParList.csv. It also holds the
// radius plot's settings (Scale, CheckBox1), which persist while the program runs.
#include "app/window.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace app {

struct ReportViewerView {
    std::vector<std::string> RichEdit1 = std::vector<std::string>(1); // one empty line at creation
    std::string Scale = "25";
    bool CheckBox1 = false;
};

class ReportViewer : public Window {
public:
    ReportViewer(Ports ports, Dispatcher& dispatcher, std::filesystem::path workingDirectory);

    const ReportViewerView& view() const { return view_; }
    // Shows the window as the other windows' commands do: from hidden it
    // loads the report; already on screen it only comes to the front.
    void open() { show(); }
    void close() { hide(); }
    // The radius plot's scale and county filter, which its zoom changes.
    ReportViewerView& plotSettings() { return view_; }

private:
    void onShow() override;
    void print();
    void writeCsv();

    std::filesystem::path workingDirectory_;
    ReportViewerView view_;
};

// Replaces ParList.txt whole: a failed write leaves the previous report as it was.
void writeReport(const std::filesystem::path& workingDirectory, const std::string& report);

} // namespace app
