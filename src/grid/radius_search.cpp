#include "radius_search.h"

#include "grid/distance.h"
#include "text/columns.h"
#include "text/numbers.h"

#include <algorithm>

namespace grid {
namespace {

using records::Field;

void addLine(std::string& out, std::string_view line)
{
    out += line;
    out += "\r\n";
}

std::string heading(const RadiusCentre& c)
{
    std::string out;
    addLine(out, "      Steeplewatcher Report");
    addLine(out, "      " + std::string(21, '='));
    addLine(out, std::string(21, ' '));
    addLine(out, "   The following list of Parishes are within a ");
    addLine(out, "    " + c.radiusText + " Mile Radius of " + c.parish1 + ".");
    addLine(out, std::string(12, ' '));
    addLine(out, text::padRight("   Parish Name", 40) + "Type,County,Country,OsRef   Distance & Direction");
    addLine(out, text::padRight("   " + std::string(11, '='), 40) + std::string(25, '=') + "   " + std::string(20, '=')
                     + " ");
    addLine(out, " ");
    return out;
}

// Country codes compared in place: memcmp would be a call for every record.
bool sameText(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (a[i] != b[i])
            return false;
    return true;
}

std::string plotName(std::string_view name)
{
    return text::padRight(name.substr(0, 15), 15);
}

void addHitLine(std::string& out, const records::ParishRecord& r, double miles, std::string_view direction)
{
    std::string line = "   " + text::padRight(r.name(), 46);
    line += r.get(Field::Type);
    line += ' ';
    line += r.get(Field::County);
    line += ' ';
    line += r.get(Field::Country);
    line += ' ';
    line += r.get(Field::OSRef);
    line += formatFixed(miles, 6, 1);
    line += ' ';
    line += direction;
    addLine(out, line);
}

void addPlotLine(std::string& out, const records::ParishRecord& r)
{
    std::string line = plotName(r.name());
    line += r.get(Field::Easting);
    line += r.get(Field::Northing);
    line += r.get(Field::County);
    addLine(out, line);
}

} // namespace

Parish1Parts splitParish1(std::string_view p)
{
    auto cut = [&](std::ptrdiff_t from, std::ptrdiff_t to) { // 0-based, end exclusive, clamped
        auto size = static_cast<std::ptrdiff_t>(p.size());
        from = std::clamp<std::ptrdiff_t>(from, 0, size);
        to = std::clamp<std::ptrdiff_t>(to, from, size);
        return p.substr(static_cast<std::size_t>(from), static_cast<std::size_t>(to - from));
    };
    auto length = static_cast<std::ptrdiff_t>(p.size());
    return {cut(0, length - 13), cut(length - 8, length - 5), cut(length - 3, length)};
}

RadiusOutcome scanWithinRadius(records::RecordCursor& cursor, const RadiusCentre& centre, std::int32_t radiusMiles,
                               double east1, double north1, RadiusProgress& progress)
{
    RadiusOutcome out;
    out.report = heading(centre);
    Parish1Parts first = splitParish1(centre.parish1);
    addLine(out.plot, plotName(first.name) + centre.parish1East + centre.parish1North + std::string(first.county));
    bool firstIrish = first.country == "IRL";
    // Beyond this many km squared a record is surely out of range; nearer ones
    // are measured exactly as the distance command measures them.
    const double outOfReach = (radiusMiles / kMilesPerKm + 1) * (radiusMiles / kMilesPerKm + 1);
    std::int32_t step = 0;
    auto& [file, position, buffer] = cursor;
    for (position = 0; !file.atEnd(position); ++position) {
        file.read(position, buffer);
        ++out.recordsRead;
        if (++step == 1000) {
            progress.recordsRead(out.recordsRead);
            step = 0;
        }
        std::string_view country = buffer.get(Field::Country);
        if ((firstIrish || sameText(country, "IRL")) && !sameText(country, first.country))
            continue;
        text::RealReading east = text::readReal(buffer.get(Field::Easting));
        if (!east.ok) {
            out.stop = RadiusOutcome::Stop::BadEasting;
            out.errorPosition = east.errorPos;
            return out;
        }
        text::RealReading north = text::readReal(buffer.get(Field::Northing));
        if (!north.ok) {
            out.stop = RadiusOutcome::Stop::BadNorthing;
            out.errorPosition = north.errorPos;
            return out;
        }
        if (east.value == 0 || north.value == 0)
            continue;
        double dE = east1 - east.value, dN = north1 - north.value;
        if (radiusMiles < 0 || dE * dE + dN * dN > outOfReach)
            continue;
        double miles = distanceKm(east1, north1, east.value, north.value) * kMilesPerKm;
        if (radiusMiles < miles)
            continue;
        ++out.hits;
        progress.hitsFound(out.hits);
        if (out.hits > kMaxHits) {
            out.hits = kMaxHits;
            addLine(out.report, "  ");
            addLine(out.report, "     Program Terminated with Maximum 1000 Matches");
            out.stop = RadiusOutcome::Stop::MaxHits;
            return out;
        }
        bool samePlace = east.value == east1 && north.value == north1;
        addHitLine(out.report, buffer, miles,
                   samePlace ? std::string_view(" ") : compassName(bearing(east1, north1, east.value, north.value)));
        addPlotLine(out.plot, buffer);
    }
    return out;
}

} // namespace grid
