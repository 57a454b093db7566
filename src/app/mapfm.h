#pragma once
// The map sheet window's core: each showing looks the 1st parish up in
// MapList.Dat and lists the sheets it lies on; the list can be printed.
#include "app/parishfm_view.h"
#include "app/ports.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace app {

struct MapfmView {
    std::vector<std::string> RichEdit1 = std::vector<std::string>(1); // one empty line at creation
    bool visible = false;
};

inline constexpr std::string_view kMapFont = "Courier New";
inline constexpr int kMapPointSize = 10;

class Mapfm {
public:
    // main: the main window's boxes, whose 1st parish is looked up.
    Mapfm(Ports ports, std::filesystem::path workingDirectory, const ParishfmView& main);

    MapfmView view;
    // Called after the window is shown or hidden, so that its widgets show the new state.
    std::function<void()> viewChanged;

    // Shows the window (modal on the desktop) and runs its FormShow.
    void show();

    void FormShow();
    void PrintbnClick();
    void BitBtn1Click();

    // Runs a handler as the window's dispatcher does (general error box).
    void run(void (Mapfm::*handler)());

private:
    void hide();

    Ports ports_;
    std::filesystem::path workingDirectory_;
    const ParishfmView& main_;
};

// The window's handler of a button by control name, or nothing.
using MapfmHandler = void (Mapfm::*)();
std::optional<MapfmHandler> findMapfmHandler(std::string_view control);

// The window's controls by name for the windows and the driver.
std::vector<std::string>* mapfmLinesBox(MapfmView& view, std::string_view control);
// Every control of the window, labels and panel included.
bool isMapfmControl(std::string_view control);

} // namespace app
