#pragma once
// The report viewer's core: shows the last report written to ParList.txt,
// prints it, and converts it into ParList.csv. It also holds the radius
// plot's settings (Scale, CheckBox1), which persist while the program runs.
#include "app/ports.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace app {

struct ParListFmView {
    std::vector<std::string> RichEdit1 = std::vector<std::string>(1); // one empty line at creation
    std::string Scale = "25";
    bool CheckBox1 = false;
    bool visible = false;
    bool richEditFocused = false;
};

// The font the report is shown and printed in.
inline constexpr std::string_view kReportFont = "Courier New";
inline constexpr int kReportPointSize = 10;

class ParListFm {
public:
    ParListFm(Ports ports, std::filesystem::path workingDirectory);

    ParListFmView view;
    // Called after the window is shown or hidden by a command, so that the
    // window's widgets can show the new state.
    std::function<void()> viewChanged;

    // Shows the window as the other windows' commands do: from hidden it
    // loads the report (FormShow); already on screen it only comes to the front.
    void show();

    void FormShow();
    void CloseClick();
    void PrintClick();
    void CSVOUTPUTClick();

    // Runs a handler as the window's dispatcher does (general error box).
    void run(void (ParListFm::*handler)());

private:
    void hide();

    Ports ports_;
    std::filesystem::path workingDirectory_;
};

// The viewer's handler of a button by control name, or nothing when that
// button's command is not available yet (ShowPlot).
using ParListHandler = void (ParListFm::*)();
std::optional<ParListHandler> findParListHandler(std::string_view control);

// The viewer's controls by name for the windows and the driver; null for other names.
std::string* parListTextBox(ParListFmView& view, std::string_view control);
std::vector<std::string>* parListLinesBox(ParListFmView& view, std::string_view control);
bool* parListCheckBox(ParListFmView& view, std::string_view control);
// Every button of the viewer, available or not.
bool isParListButton(std::string_view control);

} // namespace app
