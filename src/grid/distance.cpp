#include "distance.h"

#include <array>
#include <cmath>
#include <charconv>
#include <numbers>

namespace grid {

DistanceDirection computeDistanceDirection(double e1, double n1, double e2, double n2)
{
    DistanceDirection r;
    double dE = e1 - e2;
    double dN = n1 - n2;
    r.km = std::sqrt(dE * dE + dN * dN);
    r.miles = r.km * kMilesPerKm;
    auto t = [&] { return std::atan(std::fabs(dN) / std::fabs(dE)) * 180 / std::numbers::pi; };
    if (dE == 0) {
        r.samePlace = dN == 0;
        r.bearing = dN > 0 ? 180 : 0;
    } else if (dN == 0) {
        r.bearing = dE < 0 ? 90 : 270;
    } else if (dE < 0) {
        r.bearing = dN < 0 ? 90 - t() : 90 + t();
    } else {
        r.bearing = dN > 0 ? 270 - t() : 270 + t();
    }
    return r;
}

std::string_view compassName(double bearing)
{
    struct Sector {
        int upTo;
        std::string_view name;
    };
    static constexpr std::array<Sector, 16> kSectors = {{
        {11, "North"},
        {34, "North by North East"},
        {56, "North East"},
        {79, "East by North East"},
        {101, "East"},
        {124, "East by South East"},
        {146, "South East"},
        {169, "South by South East"},
        {191, "South"},
        {214, "South by South West"},
        {236, "South West"},
        {259, "West by South West"},
        {281, "West"},
        {304, "West by North West"},
        {326, "North West"},
        {349, "North by North West"},
    }};
    for (const Sector& s : kSectors)
        if (bearing <= s.upTo)
            return s.name;
    return "North";
}

std::string formatFixed(double value, int width, int decimals)
{
    // to_chars ignores the C locale, which a desktop may set to a decimal comma.
    char buffer[64];
    auto end = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals).ptr;
    std::string digits(buffer, end);
    if (digits == "-0" || digits.find_first_not_of("-0.") == std::string::npos)
        digits.erase(0, digits.front() == '-' ? 1 : 0); // no "-0.0" for a tiny negative
    if (static_cast<int>(digits.size()) < width)
        digits.insert(0, width - digits.size(), ' ');
    return digits;
}

} // namespace grid
