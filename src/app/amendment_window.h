// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The amendment window (object name Updatefm): the seven fields of the record
// on show in edit boxes, checked field by field when saved. Modal: the command
// that opened it goes on when it closes, with the outcome.
#include "app/window.h"
#include "records/parish_record.h"

#include <array>
#include <functional>
#include <string>

namespace app {

class AmendmentWindow : public Window {
public:
    enum class Outcome { Save, Declined, Cancelled };

    AmendmentWindow(Ports ports, Dispatcher& dispatcher);

    bool modal() const override { return true; }
    std::string_view closeButton() const override { return "Cancel"; }
    // Closing it from its frame cancels.
    bool closeQuery() override;

    // Shows the record's fields; done runs with the outcome when the window closes.
    void open(const records::ParishRecord& record, std::function<void(Outcome)> done);
    // The record the boxes describe, as it is stored (after a Save).
    records::ParishRecord amended() const;

private:
    void onShow() override;
    void save();
    void finish(Outcome outcome);

    std::array<std::string, 7> edits_; // Edit1 ... Edit7: the record's fields in order
    std::function<void(Outcome)> done_;
};

} // namespace app
