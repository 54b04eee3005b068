// The version of a country file and of a program version file, and how versions compare.
#include <gtest/gtest.h>

#include <string>

#include "base/datetime.h"
#include "update/ctyversion.h"
#include "update/qzupdate.h"

namespace qz {
namespace {

TEST(CtyVersion, ReleaseLineAndVersionEntry) {
    struct Case {
        const char* text;
        std::int32_t release;
        const char* date;
    };
    const Case cases[] = {
        {"# based on CTY-2301\r\nGermany: 14: 28: EU: 51: -10: -1: DL:\r\n    DL,=VER20230502;\r\n", 2301, "20230502"},
        {"# first\n# CTY-7 and more\n# CTY-9\nX: 1: 1: EU: 0: 0: 0: X:\n    X;\n", 7, ""},
        {"Germany: 14: 28: EU: 51: -10: -1: DL:\n    DL;\n", -1, ""},  // no "#" line at all
        {"# CTY-\n# CTY-5\n", -1, ""},                                 // the first such line counts
        {"  # CTY-5\nDL\n", -1, ""},                                   // not a line that begins with "#"
        {"Canada: 5: 9: NA: 44: 80: 5: VE:\n    VE,=VE2EM/M,=VER20230502,XM;\n", -1, "20230502"},
        {"Serbia: 15: 28: EU: 44: -21: -1: YU:\n    YT,=VERSION;\n", -1, ""},
    };
    for (const Case& c : cases) {
        const TCtyVersion v = CtyVersionOf(c.text);
        EXPECT_EQ(v.release, c.release) << c.text;
        EXPECT_EQ(v.date, c.date) << c.text;
    }
}

TEST(CtyVersion, Comparison) {
    using O = TCtyVersionOrder;
    struct Case {
        TCtyVersion installed, offered;
        O order;
    };
    const Case cases[] = {
        {{2301, ""}, {2302, ""}, O::Newer},
        {{2301, ""}, {2301, ""}, O::Same},
        {{2302, "20240101"}, {2301, "20250101"}, O::Older},  // the release decides when both have one
        {{-1, "20230502"}, {-1, "20240101"}, O::Newer},
        {{-1, "20230502"}, {-1, "20230502"}, O::Same},
        {{-1, "20230502"}, {-1, "20220101"}, O::Older},
        {{-1, ""}, {5, ""}, O::Newer},  // a file without a version gives way to any
        {{-1, ""}, {-1, ""}, O::Unknown},
        {{2301, ""}, {-1, "20240101"}, O::Unknown},
        {{2301, ""}, {-1, ""}, O::Unknown},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CompareCtyVersions(c.installed, c.offered), c.order)
            << CtyVersionText(c.installed) << " vs " << CtyVersionText(c.offered);
    const double today = EncodeDate(2024, 2, 29);
    EXPECT_FALSE(CtyDateTooFarAhead({-1, "20250228"}, today));
    EXPECT_TRUE(CtyDateTooFarAhead({-1, "20250301"}, today));
    EXPECT_TRUE(CtyDateTooFarAhead({-1, "202403011"}, today));
    EXPECT_FALSE(CtyDateTooFarAhead({2301, ""}, today));
    EXPECT_EQ(CtyVersionText({2301, "20230502"}), "CTY-2301, VER20230502");
    EXPECT_EQ(CtyVersionText({}), "unknown");
}

TEST(QZUpdate, VersionFile) {
    const auto offer = ParseVersionFile("4\r\n10\r\n0\r\n1\r\nhttps://example.org/download\r\n");
    ASSERT_TRUE(offer.has_value());
    EXPECT_EQ(offer->version, (TNumVersion{4, 10, 0, 1}));
    EXPECT_EQ(offer->downloadPage, "https://example.org/download");
    EXPECT_FALSE(ParseVersionFile("4\n10\n0\n1\n").has_value());  // four lines offer nothing
    EXPECT_FALSE(ParseVersionFile("4\n10\nx\n1\nhttps://example.org/\n").has_value());
    EXPECT_FALSE(ParseVersionFile("").has_value());
}

TEST(QZUpdate, OnlyWebAddressesAreOpened) {
    std::string error;
    for (const char* url : {"file:///etc/passwd", "/usr/bin/xterm", "javascript:alert(1)", "https://x.org/a b",
                            "https://x.org/\x1B]0;t\x07", ""}) {
        EXPECT_FALSE(OpenInBrowser(url, &error)) << url;
        EXPECT_NE(error.find("not opened"), std::string::npos) << error;
    }
}

}  // namespace
}  // namespace qz
