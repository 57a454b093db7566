#pragma once
// The program's windows, created once each at start in this order.
#include <array>
#include <string_view>

namespace app {

struct FormInfo {
    std::string_view className;
    std::string_view name;
};

inline constexpr std::array<FormInfo, 12> kForms = {{
    {"TParishfm", "Parishfm"},
    {"TParListFm", "ParListFm"},
    {"TAboutBox", "AboutBox"},
    {"TReadMefm", "ReadMefm"},
    {"TLicencefm", "Licencefm"},
    {"TUpdatefm", "Updatefm"},
    {"TCodesFm", "CodesFm"},
    {"TPlotFm", "PlotFm"},
    {"TMapfm", "Mapfm"},
    {"TMyTextfm", "MyTextfm"},
    {"TPlotDataFm", "PlotDataFm"},
    {"TLocPlotfm", "LocPlotfm"},
}};

} // namespace app
