// SPDX-License-Identifier: GPL-3.0-or-later
#include "about_windows.h"

#include "text/cp1252.h"
#include "text/io_error.h"
#include "text/text_file.h"

#include <charconv>

namespace app {
namespace {

using K = ControlKind;

constexpr std::string_view kProduct = "Steeplewatcher";
constexpr std::string_view kWarning = "Warning!  This program and the data supplied with it should only be used as a "
                                      "finding aid.  There is no guarantee of accuracy nor completeness.";

// Every source of the shipped data with its licence.
constexpr std::string_view kAttribution =
    "Data: place list derived from Wikipedia, List of United Kingdom locations (CC BY-SA 3.0), via "
    "PhpGedView/webtrees. Contains data from GeoNames (geonames.org), CC BY 4.0. Landranger sheet outlines from "
    "Geo::Coordinates::OSGB by Toby Thurston, GPL-2+; Landranger is a registered trade mark of Ordnance Survey. "
    "Coastlines made with Natural Earth (public domain).";

// The licence terms, a paragraph a line; the warning follows the disclaimer.
constexpr std::string_view kTermsBeforeWarning =
    "Steeplewatcher is free software: you can redistribute it and/or modify it under the terms of the GNU General "
    "Public License as published by the Free Software Foundation, either version 3 of the License, or (at your option) "
    "any later version (GPL-3.0-or-later).\n"
    "\n"
    "It is distributed in the hope that it will be useful, but WITHOUT ANY WARRANTY; without even the implied warranty "
    "of MERCHANTABILITY or FITNESS FOR A PARTICULAR PURPOSE. See the GNU General Public License (the file COPYING) for "
    "more details.\n"
    "\n";
constexpr std::string_view kTermsAfterWarning =
    "\n"
    "The data files shipped with the program are not part of its code and keep their own licences:\n"
    "- Parishes.Dat, County.txt: derived from Wikipedia, List of United Kingdom locations, CC BY-SA 3.0 "
    "(https://creativecommons.org/licenses/by-sa/3.0/), via PhpGedView/webtrees; with GeoNames data.\n"
    "- Parishes.Dat, UKLocs.Txt, IRLLocs.Txt: contains data from GeoNames (geonames.org), CC BY 4.0.\n"
    "- Maplist.txt, MapList.Dat: Landranger sheet outlines from Geo::Coordinates::OSGB by Toby Thurston, "
    "GPL-2.0-or-later. Landranger is a registered trade mark of Ordnance Survey.\n"
    "- UKCoast.Txt, IRLCoast.Txt: made with Natural Earth, public domain.\n"
    "\n"
    "How to use the program and its data is described in the file ReadMe.rtf (\"Read Me\" on the main window's menu "
    "bar).\n";

std::uint64_t fieldKb(std::string_view text, std::string_view name, bool& found)
{
    for (std::string_view rest = text; !rest.empty();) {
        std::string_view line = text::takeLine(rest);
        if (!line.starts_with(name) || line.size() <= name.size() || line[name.size()] != ':')
            continue;
        std::string_view value = line.substr(name.size() + 1);
        while (value.starts_with(' '))
            value.remove_prefix(1);
        std::uint64_t kb = 0;
        if (std::from_chars(value.data(), value.data() + value.size(), kb).ec == std::errc())
            found = true;
        return kb;
    }
    return 0;
}

} // namespace

std::optional<MemoryStatus> readMeminfo(std::string_view text)
{
    bool total = false, available = false;
    MemoryStatus m{fieldKb(text, "MemTotal", total), fieldKb(text, "MemAvailable", available)};
    if (!total || !available || m.totalKb == 0 || m.availableKb > m.totalKb)
        return std::nullopt;
    return m;
}

std::string kilobytesText(std::uint64_t kb)
{
    // Built from the left, a comma before every group of three digits that
    // ends the number (an insert in the middle trips a false -Wrestrict in GCC 12).
    const std::string digits = std::to_string(kb);
    std::string out;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            out += ',';
        out += digits[i];
    }
    return out + " KB";
}

std::string memoryLoadText(const MemoryStatus& memory)
{
    const std::uint64_t used = memory.totalKb - memory.availableKb;
    return std::to_string((used * 100 + memory.totalKb / 2) / memory.totalKb) + " %";
}

LicenceWindow::LicenceWindow(Ports ports, Dispatcher& dispatcher)
    : Window("Licencefm", "Licence Agreement", ports, dispatcher),
      terms_(text::splitLines(std::string(kTermsBeforeWarning) + std::string(kWarning) + "\n"
                              + std::string(kTermsAfterWarning)))
{
    controls_ = {
        {.name = "Panel1", .kind = K::Group},
        {.name = "Label1", .kind = K::Label, .caption = kProduct, .parent = "Panel1"},
        {.name = "OKBtn", .kind = K::Button, .caption = "&OK", .parent = "Panel1", .onClick = [this] { hide(); }},
        {.name = "RichEdit1", .kind = K::TextView, .lines = &terms_},
    };
}

AboutWindow::AboutWindow(Ports ports, Dispatcher& dispatcher, std::filesystem::path workingDirectory,
                         LicenceWindow& licence, std::filesystem::path memoryFile)
    : Window("AboutBox", "About", ports, dispatcher), workingDirectory_(std::move(workingDirectory)),
      memoryFile_(std::move(memoryFile))
{
    controls_ = {
        {.name = "BackgroudPanel", .kind = K::Group},
        {.name = "Programicon", .kind = K::Label, .parent = "BackgroudPanel"},
        {.name = "Label2", .kind = K::Label, .caption = kProduct, .parent = "BackgroudPanel"},
        {.name = "Label5", .kind = K::Label, .caption = "Version 2.0", .parent = "BackgroudPanel"},
        {.name = "Label3", .kind = K::Label, .caption = "", .parent = "BackgroudPanel"},
        {.name = "Panel1", .kind = K::Group, .parent = "BackgroudPanel"},
        {.name = "Label7", .kind = K::Label, .caption = "Total Physical Memory:-", .parent = "BackgroudPanel"},
        {.name = "PhysMem", .kind = K::Label, .parent = "BackgroudPanel", .text = &physMem_},
        {.name = "Label8", .kind = K::Label, .caption = "Memory in Use:-", .parent = "BackgroudPanel"},
        {.name = "FreeRes", .kind = K::Label, .parent = "BackgroudPanel", .text = &freeRes_},
        {.name = "Label9", .kind = K::Label, .caption = "Records in Data Base:-", .parent = "BackgroudPanel"},
        {.name = "NumOfRecs", .kind = K::Label, .parent = "BackgroudPanel", .text = &numOfRecs_},
        {.name = "Label10", .kind = K::Label, .caption = "Current Working Directory:- ", .parent = "BackgroudPanel"},
        {.name = "CWD", .kind = K::Label, .parent = "BackgroudPanel", .text = &cwd_},
        {.name = "Label1",
         .kind = K::Label,
         .caption = "Written by the Steeplewatcher developers; free software under the GNU GPL, version 3 or later.",
         .parent = "BackgroudPanel"},
        {.name = "Label4", .kind = K::Label, .caption = kAttribution, .parent = "BackgroudPanel"},
        {.name = "Label6",
         .kind = K::Label,
         .caption = "Built with C++20 and Qt 6 on Debian GNU/Linux.",
         .parent = "BackgroudPanel"},
        {.name = "Label12",
         .kind = K::Label,
         .caption = "With thanks to the family historians and map makers whose open work made the data possible.",
         .parent = "BackgroudPanel"},
        {.name = "Panel2", .kind = K::Group},
        {.name = "Label11", .kind = K::Label, .caption = kWarning, .parent = "Panel2"},
        {.name = "OKButton", .kind = K::Button, .caption = "&OK", .onClick = [this] { hide(); }},
        {.name = "Licence", .kind = K::Button, .caption = "Show &Licence", .onClick = [&licence] { licence.open(); }},
    };
}

void AboutWindow::open(std::int32_t records)
{
    numOfRecs_ = std::to_string(records);
    show();
}

void AboutWindow::onShow()
{
    // Without /proc/meminfo (or with one that makes no sense) the figures stay empty.
    std::optional<MemoryStatus> memory;
    try {
        memory = readMeminfo(text::readFile(memoryFile_));
    } catch (const text::IoError&) {
    }
    physMem_ = memory ? kilobytesText(memory->totalKb) : "";
    freeRes_ = memory ? memoryLoadText(*memory) : "";
    cwd_ = text::utf8ToCp1252(workingDirectory_.string());
}

} // namespace app
