#include "shell_forms.h"

#include <functional>

namespace ui {
namespace {

void shape(QWidget& window, const char* name, const char* caption)
{
    window.setObjectName(name);
    window.setWindowTitle(caption);
    window.hide();
}

} // namespace

TAboutBox::TAboutBox(QWidget* parent) : QWidget(parent, Qt::Window)
{
    shape(*this, "AboutBox", "About");
}
TReadMefm::TReadMefm(QWidget* parent) : QWidget(parent, Qt::Window)
{
    shape(*this, "ReadMefm", "Read Me");
}
TLicencefm::TLicencefm(QWidget* parent) : QWidget(parent, Qt::Window)
{
    shape(*this, "Licencefm", "Licence Agreement");
}
TUpdatefm::TUpdatefm(QWidget* parent) : QWidget(parent, Qt::Window)
{
    shape(*this, "Updatefm", "Update");
}
TCodesFm::TCodesFm(QWidget* parent) : QWidget(parent, Qt::Window)
{
    shape(*this, "CodesFm", "County Code List");
}
TPlotFm::TPlotFm(QWidget* parent) : QWidget(parent, Qt::Window)
{
    shape(*this, "PlotFm", "Parish Location Plot");
}
TMyTextfm::TMyTextfm(QWidget* parent) : QWidget(parent, Qt::Window)
{
    shape(*this, "MyTextfm", "MyTextfm");
}
TPlotDataFm::TPlotDataFm(QWidget* parent) : QWidget(parent, Qt::Window)
{
    shape(*this, "PlotDataFm", "Plot Data");
}
TLocPlotfm::TLocPlotfm(QWidget* parent) : QWidget(parent, Qt::Window)
{
    shape(*this, "LocPlotfm", "LocPlotfm");
}

std::unique_ptr<QWidget> createForm(std::string_view formName)
{
    struct Entry {
        std::string_view name;
        std::function<std::unique_ptr<QWidget>()> create;
    };
    static const Entry kFactories[] = {
        {"AboutBox", [] { return std::make_unique<TAboutBox>(); }},
        {"ReadMefm", [] { return std::make_unique<TReadMefm>(); }},
        {"Licencefm", [] { return std::make_unique<TLicencefm>(); }},
        {"Updatefm", [] { return std::make_unique<TUpdatefm>(); }},
        {"CodesFm", [] { return std::make_unique<TCodesFm>(); }},
        {"PlotFm", [] { return std::make_unique<TPlotFm>(); }},
        {"MyTextfm", [] { return std::make_unique<TMyTextfm>(); }},
        {"PlotDataFm", [] { return std::make_unique<TPlotDataFm>(); }},
        {"LocPlotfm", [] { return std::make_unique<TLocPlotfm>(); }},
    };
    for (const Entry& e : kFactories)
        if (e.name == formName)
            return e.create();
    return nullptr;
}

} // namespace ui
