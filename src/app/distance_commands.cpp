// SPDX-License-Identifier: GPL-3.0-or-later
#include "distance_commands.h"

#include "app/messages.h"
#include "grid/distance.h"
#include "grid/radius_search.h"
#include "records/working_files.h"
#include "text/ansi.h"
#include "text/file_lookup.h"
#include "text/numbers.h"
#include "text/text_file.h"

namespace app {

void DistanceCommands::selectParish(std::string& description, std::string& osRef, std::string& east, std::string& north)
{
    ParishfmView& v = c_.view;
    v.Miles.clear();
    v.Klm.clear();
    v.DegreesDisplay.clear();
    v.Direction.clear();
    browser_.read(c_.cursor.position);
    const records::ParishRecord& r = c_.cursor.record;
    using records::Field;
    description = std::string(text::trim(r.name())) + ", " + std::string(r.get(Field::Type)) + ", "
                  + std::string(r.get(Field::County)) + ", " + std::string(r.get(Field::Country));
    osRef = r.get(Field::OSRef);
    east = r.get(Field::Easting);
    north = r.get(Field::Northing);
    c_.window.moveFocus("TarPar");
}

void DistanceCommands::selectFirstParish()
{
    ParishfmView& v = c_.view;
    selectParish(v.Parish1, v.OsRef1, v.Parish1East, v.Parish1North);
}

void DistanceCommands::selectSecondParish()
{
    ParishfmView& v = c_.view;
    selectParish(v.Parish2, v.OsRef2, v.Parish2East, v.Parish2North);
}

void DistanceCommands::distanceAndDirection()
{
    ParishfmView& v = c_.view;
    std::string_view c1 = grid::splitParish1(v.Parish1).country, c2 = grid::splitParish1(v.Parish2).country;
    if ((c1 == "IRL" || c2 == "IRL") && c1 != c2) {
        c_.message(msg::kMainlandAndIrish);
        return;
    }
    struct Reading {
        const std::string& text;
        std::string_view failure;
    };
    const Reading readings[] = {
        {v.Parish1East, msg::kBadFirstParish},
        {v.Parish2East, msg::kBadSecondParish},
        {v.Parish1North, msg::kBadFirstParish},
        {v.Parish2North, msg::kBadSecondParish},
    };
    double values[4];
    for (int i = 0; i < 4; ++i) {
        text::RealReading r = text::readReal(readings[i].text);
        if (!r.ok) {
            c_.warning(readings[i].failure);
            return;
        }
        values[i] = r.value;
    }
    grid::DistanceDirection d = grid::computeDistanceDirection(values[0], values[2], values[1], values[3]);
    v.Miles = grid::formatFixed(d.miles, 8, 1);
    v.Klm = grid::formatFixed(d.km, 8, 1);
    v.Direction = d.samePlace ? grid::kSamePlace : grid::compassName(d.bearing);
    v.DegreesDisplay = grid::formatFixed(d.bearing, 3, 0);
    c_.window.moveFocus("TarPar");
}

void DistanceCommands::parishesWithinRadius()
{
    ParishfmView& v = c_.view;
    {
        BusyCursor busy(c_.ports.feedback);
        text::WholeReading radius = text::readWhole(v.Radius);
        if (!radius.ok) {
            c_.warning(std::string(msg::kRadiusNotNumeric) + std::to_string(radius.errorPos));
            c_.window.moveFocus("Radius");
            return;
        }
        text::RealReading north = text::readReal(v.Parish1North);
        text::RealReading east = text::readReal(v.Parish1East);
        if (!north.ok || !east.ok) {
            c_.warning(msg::kBadFirstParish);
            c_.window.moveFocus("TarPar");
            return;
        }
        c_.showNow(v.Progress, "Progress", "Working. Wait");
        c_.showNow(v.Hits, "Hits", "");

        KeepPosition keep(c_.cursor);

        BoxProgress progress(c_);
        grid::RadiusCentre centre{v.Radius, v.Parish1, v.Parish1East, v.Parish1North};
        grid::RadiusOutcome outcome =
            grid::scanWithinRadius(c_.cursor, centre, radius.value, east.value, north.value, progress);
        switch (outcome.stop) {
        case grid::RadiusOutcome::Stop::EndOfFile: v.Progress = std::to_string(outcome.recordsRead); break;
        case grid::RadiusOutcome::Stop::MaxHits:
            c_.showNow(v.Progress, "Progress", "Reached Max Hits");
            c_.warning(msg::kMaxHits);
            break;
        case grid::RadiusOutcome::Stop::BadEasting:
            c_.warning(std::string(msg::kBadEasting) + std::to_string(outcome.errorPosition));
            break;
        case grid::RadiusOutcome::Stop::BadNorthing:
            c_.warning(std::string(msg::kBadNorthing) + std::to_string(outcome.errorPosition));
            break;
        }
        v.Hits = std::to_string(outcome.hits);
        // The report and its plot points are replaced together, or neither is.
        const text::FileContent written[] = {
            {text::filePath(c_.workingDirectory, files::kReport), outcome.report},
            {text::filePath(c_.workingDirectory, files::kPlotPoints), outcome.plot},
        };
        text::replaceFiles(written, text::Sync::Lazy);
    }
    if (!c_.cursor.file.atEnd(c_.cursor.position))
        browser_.read(c_.cursor.position);
    v.Progress = "Done";
    c_.window.moveFocus("TarPar");
    viewer_.open();
}

} // namespace app
