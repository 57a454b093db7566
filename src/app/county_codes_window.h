// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The county code list (object name CodesFm): County.txt of the working
// directory, shown in a fixed-pitch font each time the window comes on screen
// and printed line by line.
#include "app/window.h"

#include <filesystem>
#include <string>
#include <vector>

namespace app {

class CountyCodesWindow : public Window {
public:
    CountyCodesWindow(Ports ports, Dispatcher& dispatcher, std::filesystem::path workingDirectory);

    void open() { show(); }

private:
    void onShow() override;
    void print();

    std::filesystem::path workingDirectory_;
    std::vector<std::string> lines_ = std::vector<std::string>(1); // one empty line at creation
};

} // namespace app
