// SPDX-License-Identifier: GPL-3.0-or-later
#include "amendment_window.h"

#include "app/messages.h"
#include "text/ansi.h"
#include "text/columns.h"
#include "text/numbers.h"

namespace app {

namespace {

using records::Field;
constexpr Field kFields[] = {Field::Name,  Field::Type,    Field::County,  Field::Country,
                             Field::OSRef, Field::Easting, Field::Northing};

} // namespace

AmendmentWindow::AmendmentWindow(Ports ports, Dispatcher& dispatcher) : Window("Updatefm", "Update", ports, dispatcher)
{
    using K = ControlKind;
    constexpr std::string_view kLabels[] = {"Parish Name", "Type",    "County",  "Country",
                                            "OS Ref",      "Easting", "Northing"};
    constexpr std::string_view kLabelNames[] = {"Label1", "Label2", "Label3", "Label4", "Label5", "Label6", "Label7"};
    constexpr std::string_view kEditNames[] = {"Edit1", "Edit2", "Edit3", "Edit4", "Edit5", "Edit6", "Edit7"};
    // What may be typed: the record's capacities, but three and four digits for the position.
    constexpr int kTypedLimits[] = {45, 1, 3, 3, 6, 3, 4};
    controls_ = {
        {.name = "Label9", .kind = K::Label, .caption = "Steeplewatcher"},
        {.name = "Label8", .kind = K::Label, .caption = "Update Current Parish Record"},
    };
    for (std::size_t i = 0; i < edits_.size(); ++i) {
        edits_[i] = kEditNames[i];
        controls_.push_back({.name = kLabelNames[i], .kind = K::Label, .caption = kLabels[i]});
        controls_.push_back({.name = kEditNames[i], .kind = K::Edit, .text = &edits_[i], .maxLength = kTypedLimits[i]});
    }
    controls_.push_back(
        {.name = "Save", .kind = K::Button, .caption = "&Save Updated Record", .onClick = [this] { save(); }});
    controls_.push_back({.name = "Cancel", .kind = K::Button, .caption = "&Cancel Update", .onClick = [this] {
                             finish(Outcome::Cancelled);
                         }});
}

void AmendmentWindow::open(const records::ParishRecord& record, std::function<void(Outcome)> done)
{
    edits_[0] = text::trimBlanks(record.name());
    for (std::size_t i = 1; i < edits_.size(); ++i)
        edits_[i] = record.get(kFields[i]);
    done_ = std::move(done);
    show();
}

void AmendmentWindow::onShow()
{
    for (std::size_t i = 1; i < edits_.size(); ++i)
        edits_[i] = text::trimLeftBlanks(edits_[i]);
    moveFocus("Edit1");
}

bool AmendmentWindow::closeQuery()
{
    finish(Outcome::Cancelled);
    return true;
}

void AmendmentWindow::save()
{
    if (!ports_.dialogs.warningYesNo(std::string(msg::kSaveAmendment))) {
        finish(Outcome::Declined);
        return;
    }
    const struct {
        bool failed;
        std::string_view message;
    } checks[] = {
        {edits_[0].find('"') != std::string::npos, msg::kQuoteInName},
        {edits_[1].find(',') != std::string::npos, msg::kCommaInType},
        {edits_[2].find(',') != std::string::npos, msg::kCommaInCounty},
        {edits_[3].find(',') != std::string::npos, msg::kCommaInCountry},
        {edits_[4].find(',') != std::string::npos, msg::kCommaInOsRef},
        {!text::isGridNumber(edits_[5]), msg::kAmendedEastingNotNumeric},
        {!text::isGridNumber(edits_[6]), msg::kAmendedNorthingNotNumeric},
    };
    for (const auto& check : checks)
        if (check.failed) {
            ports_.dialogs.message(std::string(check.message));
            return; // the window stays open with the texts as typed
        }
    if (edits_[0].empty())
        edits_[0].assign(msg::kBlankName);
    if (edits_[1].empty())
        edits_[1].assign(1, ' '); // (assigning a literal trips a false -Wrestrict of g++ 12)
    edits_[2] = text::padLeft(edits_[2], 3);
    edits_[3] = text::padLeft(edits_[3], 3);
    finish(Outcome::Save);
}

records::ParishRecord AmendmentWindow::amended() const
{
    auto positioned = [](const std::string& s) { return text::padLeft(s, 6).substr(0, 6); };
    return records::makeRecord({text::padRight(edits_[0], 45), edits_[1].substr(0, 1), edits_[2].substr(0, 3),
                                edits_[3].substr(0, 3), positioned(edits_[4]), positioned(edits_[5]),
                                positioned(edits_[6])});
}

void AmendmentWindow::finish(Outcome outcome)
{
    hide();
    auto done = std::move(done_);
    done_ = nullptr;
    if (done)
        done(outcome);
}

} // namespace app
