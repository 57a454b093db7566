// Steeplewatcher: a finding aid for the parishes of Great Britain and Ireland.
#include "app/forms.h"
#include "app/messages.h"
#include "ui/mapfm_window.h"
#include "ui/parishfm_window.h"
#include "ui/parlistfm_window.h"
#include "ui/qt_text.h"
#include "ui/shell_forms.h"

#include <QApplication>

#include <filesystem>
#include <memory>
#include <vector>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    // The program's name for the desktop (window class, task bar). No display
    // name: Qt would append it to every window caption, and the main window's
    // caption is "Parishfm" alone.
    QApplication::setApplicationName(ui::toQt(app::msg::kApplicationTitle));

    // Every data and report file lives in the directory current at start.
    const std::filesystem::path workingDirectory = std::filesystem::current_path();

    // The windows, once each, in their fixed order; the main window first.
    auto mainWindow = std::make_unique<ui::TParishfm>(workingDirectory);
    mainWindow->core().setMapHost(app::mapHostSetting());
    std::vector<std::unique_ptr<QWidget>> others;
    for (const app::FormInfo& form : app::kForms)
        if (form.name == "ParListFm")
            others.push_back(std::make_unique<ui::TParListFm>(mainWindow->core().parListFm()));
        else if (form.name == "Mapfm")
            others.push_back(std::make_unique<ui::TMapfm>(mainWindow->core().mapFm()));
        else if (form.name != "Parishfm")
            others.push_back(ui::createForm(form.name));

    // Without its data file the program has said so and ends, asking nothing.
    if (mainWindow->core().ended())
        return 0;

    for (auto& window : others)
        if (window && window->objectName() == "ReadMefm")
            window->hide();
    mainWindow->show();
    return application.exec();
}
