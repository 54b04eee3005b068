#include "base/text.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace qz {
namespace {

TEST(Text, TrimRemovesEveryControlByteAndBlank) {
    EXPECT_EQ(Trim(" \t\r\nDL1ABC \x01"), "DL1ABC");
    EXPECT_EQ(Trim(""), "");
    EXPECT_EQ(Trim("   "), "");
    EXPECT_EQ(TrimLeft("  a b "), "a b ");
    EXPECT_EQ(TrimRight("  a b "), "  a b");
    // Windows-1252 letters above 0x7F are text, not blanks.
    EXPECT_EQ(Trim("\xE4 "), "\xE4");
}

TEST(Text, CaseIsAsciiOnly) {
    EXPECT_EQ(UpperCase("dl1abc/p"), "DL1ABC/P");
    EXPECT_EQ(UpperCase("\xE4"), "\xE4");  // a-umlaut stays as it is
    EXPECT_TRUE(SameText("Ny", "nY"));
    EXPECT_FALSE(SameText("NY", "NYC"));
    EXPECT_LT(CompareText("abc", "ABD"), 0);
    EXPECT_EQ(CompareText("abc", "ABC"), 0);
}

TEST(Text, IntegerParsingAcceptsLeadingBlanksOnly) {
    std::int32_t v = 0;
    EXPECT_TRUE(TryStrToInt("  42", v));
    EXPECT_EQ(v, 42);
    EXPECT_TRUE(TryStrToInt("-7", v));
    EXPECT_EQ(v, -7);
    EXPECT_TRUE(TryStrToInt("$1F", v));
    EXPECT_EQ(v, 31);
    EXPECT_FALSE(TryStrToInt("42 ", v));
    EXPECT_FALSE(TryStrToInt("4x", v));
    EXPECT_FALSE(TryStrToInt("", v));
    EXPECT_FALSE(TryStrToInt("-", v));
    EXPECT_FALSE(TryStrToInt("99999999999", v));  // overflow is a failure, not a wrap
    // Around the nine digits read without the general parse.
    EXPECT_TRUE(TryStrToInt("999999999", v));
    EXPECT_EQ(v, 999999999);
    EXPECT_TRUE(TryStrToInt("0000000009", v));
    EXPECT_EQ(v, 9);
    EXPECT_TRUE(TryStrToInt("2147483647", v));
    EXPECT_EQ(v, 2147483647);
    EXPECT_FALSE(TryStrToInt("2147483648", v));
    EXPECT_FALSE(TryStrToInt("12/", v));
    EXPECT_FALSE(TryStrToInt("1:2", v));
    EXPECT_EQ(StrToIntDef("abc", -1), -1);
}

TEST(Text, FloatParsingHonoursTheSeparator) {
    double f = 0;
    EXPECT_TRUE(TryStrToFloat("14.025", f, '.'));
    EXPECT_DOUBLE_EQ(f, 14.025);
    EXPECT_TRUE(TryStrToFloat("3,525", f, ','));
    EXPECT_DOUBLE_EQ(f, 3.525);
    EXPECT_FALSE(TryStrToFloat("3,525", f, '.'));
    EXPECT_FALSE(TryStrToFloat("1.2.3", f, '.'));
    EXPECT_FALSE(TryStrToFloat("", f, '.'));
}

TEST(Text, CopyClampsLikeOneBasedSubstrings) {
    EXPECT_EQ(Copy("DL1ABC", 1, 3), "DL1");
    EXPECT_EQ(Copy("DL1ABC", 4, 100), "ABC");
    EXPECT_EQ(Copy("DL1ABC", 7, 1), "");
    EXPECT_EQ(Copy("DL1ABC", 0, 2), "DL");
    EXPECT_EQ(Copy("DL1ABC", 2, -1), "");
    EXPECT_EQ(Pos("1A", "DL1ABC"), 3);
    EXPECT_EQ(Pos("X", "DL1ABC"), 0);
}

TEST(Text, SplitLinesAcceptsEveryLineEnd) {
    auto lines = SplitLines("a\r\nb\nc\rd");
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[3], "d");
    EXPECT_EQ(SplitLines("a\r\n").size(), 1u);
    EXPECT_EQ(SplitLines("a\r\n\r\nb").size(), 3u);  // an empty line in the middle stays
    using V = std::vector<std::string>;
    EXPECT_EQ(SplitLines(""), V{});
    EXPECT_EQ(SplitLines("\r\r\n\n"), (V{"", "", ""}));
    EXPECT_EQ(SplitLines("a\rb\nc\r"), (V{"a", "b", "c"}));
    EXPECT_EQ(SplitLines("\n\ra\n\r"), (V{"", "", "a", ""}));
    const std::string text = "QSO: 1\r\nQSO: 2\rEND";
    const std::vector<std::string_view> views = SplitLineViews(text);
    ASSERT_EQ(views.size(), 3u);
    EXPECT_EQ(views[1], "QSO: 2");
    EXPECT_EQ(views[1].data(), text.data() + 8);  // a view into the text, not a copy
    EXPECT_EQ(SplitString("a,,b", ',').size(), 3u);
}

TEST(Text, FormatUsesTheCLocale) {
    EXPECT_EQ(Format("%5d|%-3s|%.3d", 42, "x", 7), "   42|x  |007");
    EXPECT_EQ(Format("%.2f", 1.5), "1.50");
}

TEST(Text, ZeroPaddedWritesWhatFormatWrites) {
    for (const std::int64_t value : {0LL, 1LL, 7LL, 9LL, 10LL, 40LL, 99LL, 100LL, 599LL, 1000LL, 123456789LL, -1LL,
                                     -7LL, -10LL, -123LL, 2147483647LL, -2147483648LL})
        for (int digits = 1; digits <= 5; ++digits)
            EXPECT_EQ(ZeroPadded(value, digits), Format("%.*lld", digits, static_cast<long long>(value)))
                << value << " " << digits;
    EXPECT_EQ(ZeroPadded(INT64_MIN, 2), "-9223372036854775808");
}

}  // namespace
}  // namespace qz
