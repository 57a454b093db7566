#include "distance.h"

#include <array>
#include <charconv>
#include <cmath>
#include <numbers>

namespace grid {

double distanceKm(double e1, double n1, double e2, double n2)
{
    double dE = e1 - e2;
    double dN = n1 - n2;
    return std::sqrt(dE * dE + dN * dN);
}

double bearing(double e1, double n1, double e2, double n2)
{
    double dE = e1 - e2;
    double dN = n1 - n2;
    auto t = [&] { return std::atan(std::fabs(dN) / std::fabs(dE)) * 180 / std::numbers::pi; };
    if (dE == 0)
        return dN > 0 ? 180 : 0;
    if (dN == 0)
        return dE < 0 ? 90 : 270;
    if (dE < 0)
        return dN < 0 ? 90 - t() : 90 + t();
    return dN > 0 ? 270 - t() : 270 + t();
}

DistanceDirection computeDistanceDirection(double e1, double n1, double e2, double n2)
{
    DistanceDirection r;
    r.km = distanceKm(e1, n1, e2, n2);
    r.miles = r.km * kMilesPerKm;
    r.bearing = bearing(e1, n1, e2, n2);
    r.samePlace = e1 == e2 && n1 == n2;
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
        digits.insert(0, static_cast<std::size_t>(width) - digits.size(), ' ');
    return digits;
}

} // namespace grid
