// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop.h"

#include "app/forms.h"
#include "ui/amendment_dialog.h"
#include "ui/county_codes_form.h"
#include "ui/information_forms.h"
#include "ui/main_window.h"
#include "ui/map_sheet_dialog.h"
#include "ui/my_text_form.h"
#include "ui/plot_forms.h"
#include "ui/qt_text.h"
#include "ui/report_viewer_window.h"

#include <algorithm>
#include <map>

namespace ui {
namespace {

// The Qt window of each window whose core is built, by object name.
using QtWindowMaker = std::unique_ptr<FormWindow> (*)(app::Window&, Desktop&);
template <typename QtWindow, typename Core> std::unique_ptr<FormWindow> make(app::Window& core, Desktop& desktop)
{
    return std::make_unique<QtWindow>(static_cast<Core&>(core), desktop);
}
const std::map<std::string_view, QtWindowMaker> kQtWindows = {
    {"Parishfm", make<MainWindow, app::Parishfm>},
    {"ParListFm", make<ReportViewerWindow, app::ReportViewer>},
    {"Mapfm", make<MapSheetDialog, app::MapSheetWindow>},
    {"MyTextfm", make<MyTextForm, app::MyTextWindow>},
    {"CodesFm", make<CountyCodesForm, app::CountyCodesWindow>},
    {"Updatefm", make<AmendmentDialog, app::AmendmentWindow>},
    {"PlotFm",
     [](app::Window& core, Desktop& desktop) -> std::unique_ptr<FormWindow> {
         return std::make_unique<PlotForm>(core, desktop, QPoint(600, 600));
     }},
    {"PlotDataFm", make<PlotDataForm, app::PlotDataWindow>},
    {"AboutBox", make<AboutForm, app::AboutWindow>},
    {"Licencefm", make<LicenceForm, app::LicenceWindow>},
    {"ReadMefm", make<ReadMeForm, app::ReadMeWindow>},
    {"LocPlotfm",
     [](app::Window& core, Desktop& desktop) -> std::unique_ptr<FormWindow> {
         return std::make_unique<PlotForm>(core, desktop, QPoint(800, 800));
     }},
};

} // namespace

Desktop::Desktop(app::Dialogs& dialogs, app::Feedback& feedback, app::Platform& platform,
                 const std::filesystem::path& workingDirectory, std::string mapHost, bool myTools)
    : program_(std::make_unique<app::Program>(app::Ports{dialogs, feedback, platform, *this}, workingDirectory,
                                              std::move(mapHost), myTools))
{
    for (const app::FormInfo& form : app::kForms) {
        app::Window* core = program_->window(form.name);
        auto maker = kQtWindows.find(form.name);
        std::unique_ptr<QWidget> w;
        if (core && maker != kQtWindows.end()) {
            w = maker->second(*core, *this);
        } else {
            w = std::make_unique<QWidget>(nullptr, Qt::Window);
            w->setObjectName(toQt(form.name));
            w->setWindowTitle(toQt(form.caption));
            w->hide();
        }
        owned_.push_back(std::move(w));
    }
    main_ = static_cast<MainWindow*>(formWindow(program_->mainWindow()));
}

Desktop::~Desktop()
{
    // The windows go before the cores they show.
    owned_.clear();
}

void Desktop::remove(FormWindow& window)
{
    std::erase(windows_, &window);
}

QWidget* Desktop::window(std::string_view formName) const
{
    for (const auto& w : owned_)
        if (w->objectName() == toQt(formName))
            return w.get();
    return nullptr;
}

FormWindow* Desktop::formWindow(const app::Window& core) const
{
    for (FormWindow* w : windows_)
        if (&w->core() == &core)
            return w;
    return nullptr;
}

void Desktop::start()
{
    program_->start();
    commandEnded();
    if (!ended())
        main_->show();
}

void Desktop::commandEnded()
{
    for (FormWindow* w : windows_)
        w->push();
    if (!ended())
        return;
    for (FormWindow* w : windows_)
        if (!w->closing_ && w->isVisible())
            w->close();
}

void Desktop::windowShown(const app::Window& core)
{
    if (FormWindow* w = formWindow(core)) {
        w->push();
        w->show();
        w->raise();
        w->activateWindow();
    }
}

void Desktop::windowHidden(const app::Window& core)
{
    if (FormWindow* w = formWindow(core)) {
        w->hide();
        // The keyboard goes back to the main window, as it does when a dialog closes.
        if (w != main_ && main_->isVisible())
            main_->activateWindow();
    }
}

void Desktop::repaint(const app::Window& core, std::string_view control)
{
    if (FormWindow* w = formWindow(core))
        w->pushControl(control);
}

} // namespace ui
