// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The names of the files in the working directory, as the program creates
// them. Existing files are found whatever their letter case (text::findFile).
#include <string_view>

namespace files {

inline constexpr std::string_view kParishes = "Parishes.Dat";
// The back-up copy of Parishes.Dat on the removable disk.
inline constexpr std::string_view kBackUp = "Parishes.Bak";
inline constexpr std::string_view kHistory = "HistList.txt";
inline constexpr std::string_view kReport = "ParList.txt";
inline constexpr std::string_view kReportCsv = "ParList.csv";
inline constexpr std::string_view kPlotPoints = "PlotList.txt";
inline constexpr std::string_view kMapList = "MapList.Dat";
inline constexpr std::string_view kMapListText = "Maplist.txt";
inline constexpr std::string_view kCounties = "County.txt";
inline constexpr std::string_view kGbCoast = "UKCoast.Txt";
inline constexpr std::string_view kIrlCoast = "IRLCoast.Txt";
inline constexpr std::string_view kGbPlaces = "UKLocs.Txt";
inline constexpr std::string_view kIrlPlaces = "IRLLocs.Txt";
// The maintainer's full copy of Parishes.Dat, the source of a test file.
inline constexpr std::string_view kGoodCopy = "KeepGoodCopy of Parishes.Dat";
// The load file that a new Parishes.Dat is converted from.
inline constexpr std::string_view kLoadFile = "LoadPar.txt";
// The findings of the map checks.
inline constexpr std::string_view kErrorList = "Errlist.Txt";
inline constexpr std::string_view kRadiusPicture = "ParPlot.BMP";
inline constexpr std::string_view kLocationPicture = "LocPlot.BMP";
// The user guide, shown by Read Me.
inline constexpr std::string_view kReadMe = "ReadMe.rtf";

} // namespace files
