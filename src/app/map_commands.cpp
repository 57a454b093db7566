// The main window's map commands: the map sheet window and the street map in the browser.
#include "app/messages.h"
#include "app/parishfm.h"
#include "maps/map_address.h"
#include "text/ansi.h"
#include "text/numbers.h"

#include <cstdlib>

namespace app {

namespace {

// A whole number as the address can carry it: hexadecimal "$" forms read
// as numbers but are no grid positions.
bool isGridNumber(std::string_view text)
{
    return text::readWhole(text).ok && text.find('$') == std::string_view::npos;
}

} // namespace

std::string mapHostSetting()
{
    return maps::mapHostFrom(std::getenv("STEEPLEWATCHER_MAP_HOST"));
}

void Parishfm::OSMapData1Click()
{
    if (cursor_.position == 0) {
        ports_.dialogs.message(std::string(msg::kVersionRecord));
        return;
    }
    Select1stParishClick();
    mapFm_.show();
}

void Parishfm::ShowLocation2Click()
{
    if (cursor_.position == 0) {
        ports_.dialogs.message(std::string(msg::kVersionRecord));
        return;
    }
    readRecord(cursor_.position);
    using records::Field;
    if (cursor_.record.get(Field::Country) == "IRL") {
        ports_.dialogs.message(std::string(msg::kNotForIreland));
        return;
    }
    const std::string easting(text::trimBlanks(cursor_.record.get(Field::Easting)));
    const std::string northing(text::trimBlanks(cursor_.record.get(Field::Northing)));
    if (!isGridNumber(easting)) {
        ports_.dialogs.warningOk(std::string(msg::kEastingNotNumeric));
        return;
    }
    if (!isGridNumber(northing)) {
        ports_.dialogs.warningOk(std::string(msg::kNorthingNotNumeric));
        return;
    }
    const std::string question = std::string(msg::kBrowserQuestionStart) + "\"" + mapHost_ + "\""
                                 + std::string(msg::kBrowserQuestionMiddle) + std::string(cursor_.record.name())
                                 + std::string(msg::kBrowserQuestionEnd);
    if (!ports_.dialogs.confirmYesNo(question))
        return;
    if (!ports_.platform.openUrl(maps::streetMapAddress(mapHost_, easting, northing)))
        ports_.dialogs.message(std::string(msg::kNoBrowser));
}

} // namespace app
