// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's windows, created once each at start in this order.
#include <array>
#include <string_view>

namespace app {

struct FormInfo {
    std::string_view name;
    std::string_view caption; // the title bar's text
};

inline constexpr std::array<FormInfo, 12> kForms = {{
    {"Parishfm", "Parishfm"},
    {"ParListFm", "Report  - Print Preview"},
    {"AboutBox", "About"},
    {"ReadMefm", "Read Me"},
    {"Licencefm", "Licence Agreement"},
    {"Updatefm", "Update"},
    {"CodesFm", "County Code List"},
    {"PlotFm", "Parish Location Plot"},
    {"Mapfm", "OS Maps"},
    {"MyTextfm", "MyTextfm"},
    {"PlotDataFm", "Plot Data"},
    {"LocPlotfm", "LocPlotfm"},
}};

} // namespace app
