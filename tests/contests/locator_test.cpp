// Maidenhead locator checks, positions and distances.
#include "contests/framework/locator.h"

#include <gtest/gtest.h>

namespace qz {
namespace {

TEST(Locator, UsableLocators) {
    EXPECT_TRUE(IsValidLocator("JO40HB"));
    EXPECT_TRUE(IsValidLocator("jo40hb"));
    EXPECT_TRUE(IsValidLocator("TT99XX"));
    // Only the first six characters count.
    EXPECT_TRUE(IsValidLocator("JO40HB12"));
    for (const char* bad : {"", "JO40", "JO40H", "UO40HB", "J040HB", "JOA0HB", "JO40YB", "JO40H-"})
        EXPECT_FALSE(IsValidLocator(bad)) << bad;
}

TEST(Locator, CentreOfTheSubSquare) {
    double lon = 99, lat = 99;
    ASSERT_TRUE(LocatorToLatLon("JO40HB", lon, lat));
    EXPECT_NEAR(lon, 8.0 + 7.0 / 12 + 1.0 / 24, 1e-9);
    EXPECT_NEAR(lat, 50.0 + 2.5 / 60 + 1.0 / 48, 1e-9);
    ASSERT_TRUE(LocatorToLatLon("AA00AA", lon, lat));
    EXPECT_NEAR(lon, -180.0 + 1.0 / 24, 1e-9);
    EXPECT_NEAR(lat, -90.0 + 1.0 / 48, 1e-9);
    lon = lat = 7;
    EXPECT_FALSE(LocatorToLatLon("JO4", lon, lat));
    EXPECT_EQ(lon, 7);
}

TEST(Locator, DistanceAndBearing) {
    std::int32_t bearing = -1;
    EXPECT_EQ(LocatorDistance("JO40HB", "jo40hb", bearing), 0);
    EXPECT_EQ(bearing, 0);
    // 305.62 km: the half kilometre added before rounding counts it up.
    EXPECT_EQ(LocatorDistance("JO40HB", "JN58TD", bearing), 306);
    EXPECT_EQ(bearing, 133);
    EXPECT_EQ(LocatorDistance("JO40HB", "JO40HC", bearing), 5);
    EXPECT_EQ(bearing, 0);
    EXPECT_EQ(LocatorDistance("JO40HB", "JO30HB", bearing), 143);
    EXPECT_EQ(bearing, 271);
    EXPECT_EQ(LocatorDistance("JO40HB", "FN31PR", bearing), 6046);
    EXPECT_EQ(bearing, 295);
    // Across the date line and nearly antipodal.
    EXPECT_EQ(LocatorDistance("AA00AA", "TT99XX", bearing), 17797);
    EXPECT_EQ(LocatorDistance("JO40HB", "", bearing), -1);
    EXPECT_EQ(LocatorDistance("JO40", "JO40HB", bearing), -1);
    EXPECT_EQ(bearing, 0);
}

}  // namespace
}  // namespace qz
