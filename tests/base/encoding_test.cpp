// Conversion of file names and texts between UTF-8 and Windows-1252.
#include "base/encoding.h"

#include <gtest/gtest.h>

namespace qz {
namespace {

TEST(Encoding, Utf8ToCp1252KeepsBytesThatAreNoUtf8WithoutEatingTheNext) {
    EXPECT_EQ(Utf8ToCp1252("K\xC3\xA4se \xE2\x82\xAC"), "K\xE4se \x80");
    // A Windows-1252 name (not UTF-8): each byte stays, the following text too.
    EXPECT_EQ(Utf8ToCp1252("M\xFCller_\xE4.log"), "M\xFCller_\xE4.log");
    EXPECT_EQ(Utf8ToCp1252("\303ab"), "\303ab");
    EXPECT_EQ(Utf8ToCp1252("\342\202x.log"), "\342\202x.log");
    EXPECT_EQ(Utf8ToCp1252("\360\237\230A"), "\360\237\230A");
    EXPECT_EQ(Utf8ToCp1252("\xC3"), "\xC3");
}

TEST(Encoding, PrintableTextLeavesNothingThatControlsATerminal) {
    // An escape sequence, a bell, a line end, DEL and the undefined byte 0x9D (a C1
    // control once converted to UTF-8) go; the euro sign 0x80 and letters stay.
    EXPECT_EQ(PrintableText("\x1B]0;owned\x07 a\r\nb\x7F\x9D \x80 \xE4"), " ]0;owned  a  b   \x80 \xE4");
}

}  // namespace
}  // namespace qz
