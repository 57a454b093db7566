// The main window's distance and direction, and its radius search.
#include "app/messages.h"
#include "app/parishfm.h"
#include "grid/distance.h"
#include "grid/radius_search.h"
#include "text/ansi.h"
#include "text/file_lookup.h"
#include "text/numbers.h"
#include "text/text_file.h"

namespace app {

// ---------------------------------------------------------------- selection

void Parishfm::selectParish(std::string& description, std::string& osRef, std::string& east, std::string& north)
{
    view.Miles.clear();
    view.Klm.clear();
    view.DegreesDisplay.clear();
    view.Direction.clear();
    readRecord(cursor_.position);
    using records::Field;
    description = std::string(text::trim(cursor_.record.name())) + ", " + std::string(cursor_.record.get(Field::Type))
                  + ", " + std::string(cursor_.record.get(Field::County)) + ", "
                  + std::string(cursor_.record.get(Field::Country));
    osRef = cursor_.record.get(Field::OSRef);
    east = cursor_.record.get(Field::Easting);
    north = cursor_.record.get(Field::Northing);
    moveFocus(Focus::TarPar);
}

void Parishfm::Select1stParishClick()
{
    selectParish(view.Parish1, view.OsRef1, view.Parish1East, view.Parish1North);
}

void Parishfm::Select2ndParishClick()
{
    selectParish(view.Parish2, view.OsRef2, view.Parish2East, view.Parish2North);
}

// ---------------------------------------------------------------- distance

void Parishfm::CalDistDirClick()
{
    std::string_view c1 = grid::splitParish1(view.Parish1).country, c2 = grid::splitParish1(view.Parish2).country;
    if ((c1 == "IRL" || c2 == "IRL") && c1 != c2) {
        ports_.dialogs.message(std::string(msg::kMainlandAndIrish));
        return;
    }
    struct Reading {
        const std::string& text;
        std::string_view failure;
    };
    const Reading readings[] = {
        {view.Parish1East, msg::kBadFirstParish},
        {view.Parish2East, msg::kBadSecondParish},
        {view.Parish1North, msg::kBadFirstParish},
        {view.Parish2North, msg::kBadSecondParish},
    };
    double values[4];
    for (int i = 0; i < 4; ++i) {
        text::RealReading r = text::readReal(readings[i].text);
        if (!r.ok) {
            ports_.dialogs.warningOk(std::string(readings[i].failure));
            return;
        }
        values[i] = r.value;
    }
    grid::DistanceDirection d = grid::computeDistanceDirection(values[0], values[2], values[1], values[3]);
    view.Miles = grid::formatFixed(d.miles, 8, 1);
    view.Klm = grid::formatFixed(d.km, 8, 1);
    view.Direction = d.samePlace ? grid::kSamePlace : grid::compassName(d.bearing);
    view.DegreesDisplay = grid::formatFixed(d.bearing, 3, 0);
    moveFocus(Focus::TarPar);
}

// ---------------------------------------------------------------- radius search

void Parishfm::ParishGroupClick()
{
    ListParishesWithinRadius();
}

void Parishfm::GroupofParishes1Click()
{
    ListParishesWithinRadius();
}

namespace {

// Shows the pass's progress in the main window's boxes at once.
class BoxProgress : public grid::RadiusProgress {
public:
    BoxProgress(ParishfmView& view, Feedback& feedback) : view_(view), feedback_(feedback) {}
    void recordsRead(std::int32_t count) override { show(view_.Progress, "Progress", count); }
    void hitsFound(std::int32_t count) override { show(view_.Hits, "Hits", count); }

private:
    void show(std::string& box, std::string_view name, std::int32_t count)
    {
        box = std::to_string(count);
        feedback_.repaint(name);
    }
    ParishfmView& view_;
    Feedback& feedback_;
};

} // namespace

void Parishfm::ListParishesWithinRadius()
{
    grid::RadiusOutcome outcome;
    {
        BusyCursor busy(ports_.feedback);
        text::WholeReading radius = text::readWhole(view.Radius);
        if (!radius.ok) {
            ports_.dialogs.warningOk(std::string(msg::kRadiusNotNumeric) + std::to_string(radius.errorPos));
            moveFocus(Focus::Radius);
            return;
        }
        text::RealReading north = text::readReal(view.Parish1North);
        text::RealReading east = text::readReal(view.Parish1East);
        if (!north.ok || !east.ok) {
            ports_.dialogs.warningOk(std::string(msg::kBadFirstParish));
            moveFocus(Focus::TarPar);
            return;
        }
        view.Progress = "Working. Wait";
        ports_.feedback.repaint("Progress");
        view.Hits.clear();
        ports_.feedback.repaint("Hits");

        // The scan moves the cursor; it comes back whatever happens, so the
        // record on show and the current record never disagree.
        struct Restore {
            std::int32_t& current;
            std::int32_t saved;
            ~Restore() { current = saved; }
        } restore{cursor_.position, cursor_.position};

        BoxProgress progress(view, ports_.feedback);
        grid::RadiusCentre centre{view.Radius, view.Parish1, view.Parish1East, view.Parish1North};
        outcome = grid::scanWithinRadius(cursor_, centre, radius.value, east.value, north.value, progress);
        switch (outcome.stop) {
        case grid::RadiusOutcome::Stop::EndOfFile: view.Progress = std::to_string(outcome.recordsRead); break;
        case grid::RadiusOutcome::Stop::MaxHits:
            view.Progress = "Reached Max Hits";
            ports_.feedback.repaint("Progress");
            ports_.dialogs.warningOk(std::string(msg::kMaxHits));
            break;
        case grid::RadiusOutcome::Stop::BadEasting:
            ports_.dialogs.warningOk(std::string(msg::kBadEasting) + std::to_string(outcome.errorPosition));
            break;
        case grid::RadiusOutcome::Stop::BadNorthing:
            ports_.dialogs.warningOk(std::string(msg::kBadNorthing) + std::to_string(outcome.errorPosition));
            break;
        }
        view.Hits = std::to_string(outcome.hits);
        // Each file is replaced whole, so a failure never leaves half a report.
        writeReport(outcome.report);
        text::writeFileWhole(text::filePath(workingDirectory_, "PlotList.txt"), outcome.plot, text::Sync::Lazy);
    }
    if (!cursor_.file.atEnd(cursor_.position))
        readRecord(cursor_.position);
    view.Progress = "Done";
    moveFocus(Focus::TarPar);
    parList_.show();
}

} // namespace app
