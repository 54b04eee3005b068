// Maidenhead locator helpers.
#include "contests/framework/locator.h"

#include <algorithm>
#include <cmath>

namespace qz {

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kEarthRadiusKm = 6371.299;

char Upper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

bool InRange(char c, char lo, char hi) { return c >= lo && c <= hi; }

// Rounds halves to the even neighbour (the contests' rounding, whatever the current
// floating-point rounding mode is).
double RoundHalfEven(double x) {
    double r = std::round(x);
    if (std::fabs(x - std::trunc(x)) == 0.5) r = 2.0 * std::round(x / 2.0);
    return r;
}

}  // namespace

bool IsValidLocator(std::string_view locator) {
    if (locator.size() < 6) return false;
    const char c[6] = {Upper(locator[0]), Upper(locator[1]), locator[2],
                       locator[3],        Upper(locator[4]), Upper(locator[5])};
    return InRange(c[0], 'A', 'T') && InRange(c[1], 'A', 'T') && InRange(c[2], '0', '9') && InRange(c[3], '0', '9') &&
           InRange(c[4], 'A', 'X') && InRange(c[5], 'A', 'X');
}

bool LocatorToLatLon(std::string_view locator, double& longitude, double& latitude) {
    if (!IsValidLocator(locator)) return false;
    const int field1 = Upper(locator[0]) - 'A', field2 = Upper(locator[1]) - 'A';
    const int square1 = locator[2] - '0', square2 = locator[3] - '0';
    const int sub1 = Upper(locator[4]) - 'A', sub2 = Upper(locator[5]) - 'A';
    longitude = field1 * 20.0 - 180.0 + square1 * 2.0 + sub1 / 12.0 + 1.0 / 24.0;
    latitude = field2 * 10.0 - 90.0 + square2 + sub2 * 2.5 / 60.0 + 1.0 / 48.0;
    return true;
}

std::int32_t LocatorDistance(std::string_view own, std::string_view other, std::int32_t& bearing) {
    bearing = 0;
    double lon1, lat1, lon2, lat2;
    if (!LocatorToLatLon(own, lon1, lat1) || !LocatorToLatLon(other, lon2, lat2)) return -1;
    if (lon1 == lon2 && lat1 == lat2) return 0;
    double dLon = lon2 - lon1;
    if (dLon > 180.0) dLon -= 360.0;
    if (dLon < -180.0) dLon += 360.0;
    const double deg = kPi / 180.0;
    const double p1 = lat1 * deg, p2 = lat2 * deg, dl = dLon * deg;
    const double c = std::clamp(std::sin(p1) * std::sin(p2) + std::cos(p1) * std::cos(p2) * std::cos(dl), -1.0, 1.0);
    const double angle = std::acos(c);
    const double y = std::sin(dl) * std::cos(p2);
    const double x = std::cos(p1) * std::sin(p2) - std::sin(p1) * std::cos(p2) * std::cos(dl);
    double azimuth = std::atan2(y, x) / deg;
    if (azimuth < 0) azimuth += 360.0;
    bearing = static_cast<std::int32_t>(RoundHalfEven(azimuth)) % 360;
    return static_cast<std::int32_t>(RoundHalfEven(angle * kEarthRadiusKm + 0.5));
}

}  // namespace qz
