// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The map sheet window (object name Mapfm): each showing looks the 1st parish
// up in MapList.Dat and lists the 1:50 000 sheets it lies on; the list can be
// printed. Modal: while it is on screen no other window takes a command.
#include "app/window.h"
#include "maps/sheet_lookup.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace app {

struct MapSheetView {
    std::vector<std::string> RichEdit1 = std::vector<std::string>(1); // one empty line at creation
};

class MapSheetWindow : public Window {
public:
    MapSheetWindow(Ports ports, Dispatcher& dispatcher, std::filesystem::path workingDirectory);

    const MapSheetView& view() const { return view_; }
    bool modal() const override { return true; }
    std::string_view closeButton() const override { return "BitBtn1"; }
    // Shows the window with the sheets of the 1st parish given by the main window's boxes.
    void open(const maps::ParishPlace& parish);

private:
    void onShow() override;
    void print();

    std::filesystem::path workingDirectory_;
    MapSheetView view_;
    std::string parish1_, osRef1_, east1_, north1_;
};

} // namespace app
