#include "national_grid.h"

#include <cmath>
#include <numbers>

namespace tools {
namespace {

struct Ellipsoid {
    double a, b;
};
constexpr Ellipsoid kAiry1830{6377563.396, 6356256.909};
constexpr Ellipsoid kAiryModified{6377340.189, 6356034.447};
constexpr Ellipsoid kWgs84{6378137.0, 6356752.314245};

// Position-vector Helmert parameters from WGS84: metres, parts per million, arc seconds.
struct Helmert {
    double tx, ty, tz, s, rx, ry, rz;
};
// The inverses of EPSG:1314 "OSGB36 to WGS 84 (6)" and EPSG:1641 "TM65 to WGS 84 (2)".
constexpr Helmert kToOsgb36{-446.448, 125.157, -542.060, 20.4894, -0.1502, -0.2470, -0.8421};
constexpr Helmert kToTm65{-482.53, 130.596, -564.557, -8.15, 1.042, 0.214, 0.631};

struct Projection {
    Ellipsoid ellipsoid;
    double f0, lat0Deg, lon0Deg, e0, n0;
    Helmert helmert;
};
constexpr Projection kBritish{kAiry1830, 0.9996012717, 49.0, -2.0, 400000.0, -100000.0, kToOsgb36};
constexpr Projection kIrish{kAiryModified, 1.000035, 53.5, -8.0, 200000.0, 250000.0, kToTm65};

constexpr double kDegree = std::numbers::pi / 180.0;

struct Cartesian {
    double x, y, z;
};

Cartesian toCartesian(double lat, double lon, Ellipsoid e)
{
    const double e2 = 1 - (e.b * e.b) / (e.a * e.a);
    const double nu = e.a / std::sqrt(1 - e2 * std::sin(lat) * std::sin(lat));
    return {nu * std::cos(lat) * std::cos(lon), nu * std::cos(lat) * std::sin(lon), (1 - e2) * nu * std::sin(lat)};
}

Cartesian shifted(Cartesian c, const Helmert& t)
{
    const double s = t.s * 1e-6, r = kDegree / 3600.0;
    const double rx = t.rx * r, ry = t.ry * r, rz = t.rz * r;
    return {t.tx + (1 + s) * c.x - rz * c.y + ry * c.z, t.ty + rz * c.x + (1 + s) * c.y - rx * c.z,
            t.tz - ry * c.x + rx * c.y + (1 + s) * c.z};
}

// Latitude and longitude in radians on the ellipsoid.
std::pair<double, double> fromCartesian(Cartesian c, Ellipsoid e)
{
    const double e2 = 1 - (e.b * e.b) / (e.a * e.a);
    const double p = std::hypot(c.x, c.y);
    double lat = std::atan2(c.z, p * (1 - e2));
    for (int i = 0; i < 10; ++i) {
        const double nu = e.a / std::sqrt(1 - e2 * std::sin(lat) * std::sin(lat));
        lat = std::atan2(c.z + e2 * nu * std::sin(lat), p);
    }
    return {lat, std::atan2(c.y, c.x)};
}

GridPoint transverseMercator(double lat, double lon, const Projection& g)
{
    const double a = g.ellipsoid.a, b = g.ellipsoid.b, f0 = g.f0;
    const double phi0 = g.lat0Deg * kDegree, lam0 = g.lon0Deg * kDegree;
    const double e2 = 1 - (b * b) / (a * a), n = (a - b) / (a + b);
    const double sl = std::sin(lat), cl = std::cos(lat), tl = std::tan(lat);
    const double nu = a * f0 / std::sqrt(1 - e2 * sl * sl);
    const double rho = a * f0 * (1 - e2) / std::pow(1 - e2 * sl * sl, 1.5);
    const double eta2 = nu / rho - 1;
    const double dp = lat - phi0, sp = lat + phi0;
    const double m = b * f0
                     * ((1 + n + 1.25 * n * n + 1.25 * n * n * n) * dp
                        - (3 * n + 3 * n * n + 21.0 / 8 * n * n * n) * std::sin(dp) * std::cos(sp)
                        + (15.0 / 8 * n * n + 15.0 / 8 * n * n * n) * std::sin(2 * dp) * std::cos(2 * sp)
                        - 35.0 / 24 * n * n * n * std::sin(3 * dp) * std::cos(3 * sp));
    const double t2 = tl * tl;
    const double i = m + g.n0;
    const double ii = nu / 2 * sl * cl;
    const double iii = nu / 24 * sl * std::pow(cl, 3) * (5 - t2 + 9 * eta2);
    const double iiia = nu / 720 * sl * std::pow(cl, 5) * (61 - 58 * t2 + t2 * t2);
    const double iv = nu * cl;
    const double v = nu / 6 * std::pow(cl, 3) * (nu / rho - t2);
    const double vi = nu / 120 * std::pow(cl, 5) * (5 - 18 * t2 + t2 * t2 + 14 * eta2 - 58 * t2 * eta2);
    const double dl = lon - lam0;
    return {g.e0 + iv * dl + v * std::pow(dl, 3) + vi * std::pow(dl, 5),
            i + ii * dl * dl + iii * std::pow(dl, 4) + iiia * std::pow(dl, 6)};
}

} // namespace

GridPoint toNationalGrid(double latitudeDeg, double longitudeDeg, bool irishGrid)
{
    const Projection& g = irishGrid ? kIrish : kBritish;
    Cartesian c = shifted(toCartesian(latitudeDeg * kDegree, longitudeDeg * kDegree, kWgs84), g.helmert);
    auto [lat, lon] = fromCartesian(c, g.ellipsoid);
    return transverseMercator(lat, lon, g);
}

} // namespace tools
