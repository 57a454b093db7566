// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The maintainer's tools of the "My Tools" menu that work on the map sheet
// list Maplist.txt: converting it to MapList.Dat, checking its sheets'
// edges, and finding the parishes that lie on no Landranger sheet. The checks
// write their findings to Errlist.Txt and show them in the free text window.
#include "app/main_context.h"
#include "app/my_text_window.h"

#include <optional>
#include <string>

namespace app {

class MapListTools {
public:
    MapListTools(MainContext& c, MyTextWindow& myText) : c_(c), myText_(myText) {}

    // Writes MapList.Dat anew from Maplist.txt.
    void convertMapData();
    // Lists the lines of Maplist.txt whose edges do not make a sheet.
    void verifyMapList();
    // Lists the parishes outside Ireland that lie on no Landranger sheet.
    void mapCheck();

private:
    // Asks whether to run a check; Maplist.txt's text, or nothing after the
    // person cancelled or was told it is missing.
    std::optional<std::string> checkStart();
    // Writes the findings to Errlist.Txt and shows them in the free text window.
    void finish(const std::vector<std::string>& findings);

    MainContext& c_;
    MyTextWindow& myText_;
};

} // namespace app
