// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The About window (object name AboutBox) with the computer's memory, the
// record count, the working directory, the credits and the data's
// attribution; and the licence window (Licencefm) it opens.
#include "app/window.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace app {

// Total and available physical memory in kilobytes, from the text of /proc/meminfo.
struct MemoryStatus {
    std::uint64_t totalKb = 0;
    std::uint64_t availableKb = 0;
};
std::optional<MemoryStatus> readMeminfo(std::string_view text);

// "65,536 KB": kilobytes with thousands separators.
std::string kilobytesText(std::uint64_t kb);
// "7 %": the share of memory in use, as a whole percentage.
std::string memoryLoadText(const MemoryStatus& memory);

class LicenceWindow : public Window {
public:
    LicenceWindow(Ports ports, Dispatcher& dispatcher);
    void open() { show(); }

private:
    std::vector<std::string> terms_;
};

class AboutWindow : public Window {
public:
    // memoryFile is /proc/meminfo, read afresh at each showing.
    AboutWindow(Ports ports, Dispatcher& dispatcher, std::filesystem::path workingDirectory, LicenceWindow& licence,
                std::filesystem::path memoryFile = "/proc/meminfo");

    // Shows the window with this record count (set even when it is already shown).
    void open(std::int32_t records);

private:
    void onShow() override;

    std::filesystem::path workingDirectory_;
    std::filesystem::path memoryFile_;
    std::string physMem_, freeRes_, numOfRecs_, cwd_;
};

} // namespace app
