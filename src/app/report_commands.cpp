// The main window's list reports and its report preview.
#include "app/messages.h"
#include "app/parishfm.h"
#include "reports/list_report.h"
#include "text/ansi.h"
#include "text/file_lookup.h"
#include "text/text_file.h"

namespace app {

namespace {

// Shows the scan's progress in the main window's boxes at once.
class BoxProgress : public reports::ListProgress {
public:
    BoxProgress(ParishfmView& view, Feedback& feedback) : view_(view), feedback_(feedback) {}
    void progress(std::int32_t read, std::int32_t listed) override
    {
        view_.Progress = std::to_string(read);
        feedback_.repaint("Progress");
        view_.Hits = std::to_string(listed);
        feedback_.repaint("Hits");
    }

private:
    ParishfmView& view_;
    Feedback& feedback_;
};

} // namespace

void Parishfm::writeReport(const std::string& report)
{
    // Replaced whole: a failed write leaves the previous report as it was.
    text::writeFileWhole(text::filePath(workingDirectory_, "ParList.txt"), report, text::Sync::Lazy);
}

void Parishfm::finishListReport(std::int32_t listed)
{
    cursor_.position = 0;
    // On an empty data file there is no record 0 to show; the views stay as they are.
    if (!cursor_.file.atEnd(0)) {
        readRecord(0);
        ShowCurrentRecord();
        ShowRecordsBefore();
        ShowRecordsAfter();
    }
    view.Progress = "Done";
    view.Hits = std::to_string(listed);
    parList_.show();
}

void Parishfm::SelectedCounty1Click()
{
    moveFocus(Focus::Radius);
    const std::string county = text::ansiUpper(view.TarPar);
    if (!ports_.dialogs.confirmYesNo(std::string(msg::kCountyListQuestion) + "\"" + county + "\"?"))
        return;
    if (county.size() != 3) {
        ports_.dialogs.message(std::string(msg::kCountyNotThree));
        return;
    }
    reports::ListOutcome outcome;
    {
        BusyCursor busy(ports_.feedback);
        BoxProgress progress(view, ports_.feedback);
        outcome = reports::listCounty(cursor_, county, progress);
        writeReport(outcome.report);
    }
    finishListReport(outcome.listed);
}

void Parishfm::ParishesmatchingSearchString1Click()
{
    moveFocus(Focus::Radius);
    const std::string shown(text::trimBlanks(view.TarPar));
    if (!ports_.dialogs.confirmYesNo(std::string(msg::kSearchListQuestion) + "\"" + shown + "\"?"))
        return;
    reports::ListOutcome outcome;
    {
        BusyCursor busy(ports_.feedback);
        BoxProgress progress(view, ports_.feedback);
        outcome = reports::listMatching(cursor_, view.TarPar, progress);
        writeReport(outcome.report);
    }
    finishListReport(outcome.listed);
}

void Parishfm::PrintPreview2Click()
{
    if (text::fileExists(workingDirectory_, "Parlist.Txt"))
        parList_.show();
    else
        ports_.dialogs.message(std::string(msg::kNoReportFile));
}

} // namespace app
