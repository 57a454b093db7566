// SPDX-License-Identifier: GPL-3.0-or-later
#include "map_commands.h"

#include "app/messages.h"
#include "maps/map_address.h"
#include "text/ansi.h"
#include "text/numbers.h"

#include <cstdlib>

namespace app {

std::string mapHostSetting()
{
    return maps::mapHostFrom(std::getenv("STEEPLEWATCHER_MAP_HOST"));
}

void MapCommands::showMapSheets()
{
    if (c_.cursor.position == 0) {
        c_.message(msg::kVersionRecord);
        return;
    }
    distance_.selectFirstParish();
    const ParishfmView& v = c_.view;
    sheets_.open({v.Parish1, v.OsRef1, v.Parish1East, v.Parish1North});
}

void MapCommands::showLocation()
{
    if (c_.cursor.position == 0) {
        c_.message(msg::kVersionRecord);
        return;
    }
    c_.cursor.read(c_.cursor.position);
    const records::ParishRecord& r = c_.cursor.record;
    using records::Field;
    if (r.get(Field::Country) == "IRL") {
        c_.message(msg::kNotForIreland);
        return;
    }
    const std::string easting(text::trimBlanks(r.get(Field::Easting)));
    const std::string northing(text::trimBlanks(r.get(Field::Northing)));
    if (!text::isGridNumber(easting)) {
        c_.warning(msg::kEastingNotNumeric);
        return;
    }
    if (!text::isGridNumber(northing)) {
        c_.warning(msg::kNorthingNotNumeric);
        return;
    }
    const std::string question = std::string(msg::kBrowserQuestionStart) + "\"" + mapHost_ + "\""
                                 + std::string(msg::kBrowserQuestionMiddle) + std::string(r.name())
                                 + std::string(msg::kBrowserQuestionEnd);
    if (!c_.ports.dialogs.confirmYesNo(question))
        return;
    if (!c_.ports.platform.openUrl(maps::streetMapAddress(mapHost_, easting, northing)))
        c_.message(msg::kNoBrowser);
}

void MapCommands::locationPlot()
{
    if (c_.cursor.position == 0) {
        c_.message(msg::kVersionRecord);
        return;
    }
    c_.cursor.read(c_.cursor.position);
    locations_.plot(c_.cursor.record);
}

} // namespace app
