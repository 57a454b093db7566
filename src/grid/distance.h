#pragma once
// Straight-line distance and bearing between two grid positions in kilometres,
// and the sixteen compass names.
#include <string>
#include <string_view>

namespace grid {

inline constexpr double kMilesPerKm = 0.621;
inline constexpr std::string_view kSamePlace = "Both References are the Same";

struct DistanceDirection {
    double km = 0;
    double miles = 0;
    double bearing = 0; // degrees clockwise from grid north, 0 <= bearing < 360
    bool samePlace = false;
};

// From the first position towards the second.
DistanceDirection computeDistanceDirection(double e1, double n1, double e2, double n2);

// The two halves of it, for a scan that needs the bearing only of the few
// positions near enough: the straight-line distance in km, and the bearing
// of the second position from the first.
double distanceKm(double e1, double n1, double e2, double n2);
double bearing(double e1, double n1, double e2, double n2);

// The compass name of a bearing: sectors bounded by whole degrees, each lower
// bound exclusive and upper bound inclusive ("North" up to 11, then "North by
// North East" up to 34, ...).
std::string_view compassName(double bearing);

// value with the given decimals, right-aligned in width (wider when needed).
std::string formatFixed(double value, int width, int decimals);

} // namespace grid
