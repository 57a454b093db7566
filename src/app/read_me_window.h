// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The read-me viewer (object name ReadMefm): ReadMe.rtf of the working
// directory with its formatting, loaded afresh each time the window comes on
// screen, and printed formatted.
#include "app/window.h"

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace app {

class ReadMeWindow : public Window {
public:
    ReadMeWindow(Ports ports, Dispatcher& dispatcher, std::filesystem::path workingDirectory);

    void open() { show(); }
    // The window is made visible while the program starts and hidden at
    // once: its loading runs then too, so a missing file is said at start.
    void loadAtStart() { onShow(); }

private:
    void onShow() override;
    void print();

    std::filesystem::path workingDirectory_;
    std::shared_ptr<const richtext::Document> document_;
    std::vector<std::string> lines_ = {"ReadMe.rtf  File was Not Found. "};
};

} // namespace app
