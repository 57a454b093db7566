// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window's back-up of the data file to Parishes.Bak on the removable
// disk that stands for drive A:, and its restore from there. Each copy goes
// through a temporary file and a rename, so a failed back-up never destroys
// the previous one and a failed restore leaves the data file as it was.
#include "app/main_context.h"
#include "app/record_browser.h"

#include <filesystem>
#include <optional>

namespace app {

class BackUps {
public:
    BackUps(MainContext& c, RecordBrowser& browser) : c_(c), browser_(browser) {}

    void backUp();
    void restore();

private:
    // The disk's folder, or nothing after saying there is no disk.
    std::optional<std::filesystem::path> disk();
    void failed(std::string_view message);

    MainContext& c_;
    RecordBrowser& browser_;
};

} // namespace app
