// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the main window's groups of commands share: the ports, the working
// directory, the boxes, and the one record cursor on the data file. Private to
// the main window's core; nothing outside app sees it.
#include "app/parishfm_view.h"
#include "app/ports.h"
#include "app/window.h"
#include "grid/radius_search.h"
#include "records/record_cursor.h"
#include "reports/list_report.h"

#include <cstdint>
#include <filesystem>
#include <string>

namespace app {

struct MainContext {
    MainContext(Ports p, std::filesystem::path directory, Window& w)
        : ports(p), workingDirectory(std::move(directory)), window(w)
    {
    }

    Ports ports;
    std::filesystem::path workingDirectory;
    Window& window; // for focus moves and repaints
    ParishfmView view;
    records::RecordCursor cursor;
    std::int32_t count = 0;
    // The maintainer's menu is shown, and with it the version record may be amended and marked.
    bool maintainer = false;

    void message(std::string_view text) { ports.dialogs.message(std::string(text)); }
    void warning(std::string_view text) { ports.dialogs.warningOk(std::string(text)); }
    // Sets a box and shows it at once, during a long command.
    void showNow(std::string& box, std::string_view control, std::string text)
    {
        box = std::move(text);
        ports.screen.repaint(window, control);
    }
};

// A scan moves the cursor; it comes back whatever happens, so the record on
// show and the current record never disagree.
class KeepPosition {
public:
    explicit KeepPosition(records::RecordCursor& cursor) : cursor_(cursor), saved_(cursor.position) {}
    ~KeepPosition() { cursor_.position = saved_; }
    KeepPosition(const KeepPosition&) = delete;
    KeepPosition& operator=(const KeepPosition&) = delete;

private:
    records::RecordCursor& cursor_;
    std::int32_t saved_;
};

// A scan's progress, shown in the Progress and Hits boxes at once.
class BoxProgress : public grid::RadiusProgress, public reports::ListProgress {
public:
    explicit BoxProgress(MainContext& c) : c_(c) {}
    void recordsRead(std::int32_t count) override { c_.showNow(c_.view.Progress, "Progress", std::to_string(count)); }
    void hitsFound(std::int32_t count) override { c_.showNow(c_.view.Hits, "Hits", std::to_string(count)); }
    void progress(std::int32_t read, std::int32_t listed) override
    {
        recordsRead(read);
        hitsFound(listed);
    }

private:
    MainContext& c_;
};

} // namespace app
