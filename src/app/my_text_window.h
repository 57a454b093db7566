// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The free text window (object name MyTextfm): one editable box of lines in a
// fixed-pitch font that the maintainer's map checks fill with their findings.
// Nothing saves what is typed there.
#include "app/window.h"

#include <string>
#include <vector>

namespace app {

class MyTextWindow : public Window {
public:
    MyTextWindow(Ports ports, Dispatcher& dispatcher);

    void open() { show(); }
    // Puts lines in the box and brings the window on screen.
    void showLines(std::vector<std::string> lines);

private:
    std::vector<std::string> lines_ = {"RichEdit1"}; // the design text
};

} // namespace app
