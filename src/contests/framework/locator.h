// Maidenhead locators (six characters, e.g. JO40HB): checks, the position of a locator's
// sub-square and the great-circle distance and bearing between two locators, as the
// German contests and the VHF contest score them.
#pragma once

#include <cstdint>
#include <string_view>

namespace qz {

// True when the first six characters of `locator` (case ignored) form a usable locator:
// two letters A..T, two digits, two letters A..X. Shorter texts are
// not usable.
bool IsValidLocator(std::string_view locator);

// The centre of the locator's sub-square in degrees (longitude east positive, latitude
// north positive); false, leaving both untouched, when the locator is not usable.
bool LocatorToLatLon(std::string_view locator, double& longitude, double& latitude);

// Great-circle distance in whole kilometres from `own` to `other` (earth radius
// 6371.299 km, rounded up from the exact value as the contests count it), and the
// bearing from `own` to `other` in whole degrees 0..359. Identical positions give 0 and
// bearing 0. Answers -1 (bearing 0) when either locator is not usable.
std::int32_t LocatorDistance(std::string_view own, std::string_view other, std::int32_t& bearing);

}  // namespace qz
