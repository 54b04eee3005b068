#include "base/datetime.h"

#include <gtest/gtest.h>

namespace qz {
namespace {

TEST(DateTime, DayNumbersMatchTheFileFormatEpoch) {
    EXPECT_DOUBLE_EQ(EncodeDate(1899, 12, 30), 0.0);
    EXPECT_DOUBLE_EQ(EncodeDate(1900, 1, 1), 2.0);
    EXPECT_DOUBLE_EQ(EncodeDate(2000, 2, 29), 36585.0);
    EXPECT_DOUBLE_EQ(EncodeDate(2013, 1, 5), 41279.0);
    CivilDate d = DecodeDate(36585.75);
    EXPECT_EQ(d.year, 2000);
    EXPECT_EQ(d.month, 2);
    EXPECT_EQ(d.day, 29);
}

TEST(DateTime, RoundTripsEveryDayOfSeveralCenturies) {
    for (double day = -3000; day < 80000; day += 1) {
        CivilDate d = DecodeDate(day);
        ASSERT_DOUBLE_EQ(EncodeDate(d.year, d.month, d.day), day);
    }
}

TEST(DateTime, InvalidDatesAreRefused) {
    TDateTime v = 123;
    EXPECT_FALSE(TryEncodeDate(2013, 2, 29, v));
    EXPECT_FALSE(TryEncodeDate(1900, 2, 29, v));
    EXPECT_TRUE(TryEncodeDate(2000, 2, 29, v));
    EXPECT_FALSE(TryEncodeDate(2013, 13, 1, v));
    EXPECT_FALSE(TryEncodeDate(2013, 4, 31, v));
    EXPECT_FALSE(TryEncodeDate(0, 1, 1, v));
}

TEST(DateTime, TimeOfDayComesFromWholeMilliseconds) {
    TDateTime t = EncodeDate(2013, 5, 5) + EncodeTime(9, 30, 0, 0);
    CivilTime ct = DecodeTime(t);
    EXPECT_EQ(ct.hour, 9);
    EXPECT_EQ(ct.minute, 30);
    EXPECT_EQ(ct.second, 0);
    // A value a hair below a full minute still reads as that minute.
    ct = DecodeTime(EncodeTime(23, 59, 0, 0) - 1e-12);
    EXPECT_EQ(ct.hour, 23);
    EXPECT_EQ(ct.minute, 59);
    EXPECT_EQ(ct.msec, 0);
}

TEST(DateTime, IncMonthClampsToTheLastDay) {
    TDateTime jan31 = EncodeDate(2013, 1, 31) + EncodeTime(12, 0, 0, 0);
    CivilDate d = DecodeDate(IncMonth(jan31, 1));
    EXPECT_EQ(d.month, 2);
    EXPECT_EQ(d.day, 28);
    d = DecodeDate(IncMonth(EncodeDate(2012, 3, 31), -1));
    EXPECT_EQ(d.month, 2);
    EXPECT_EQ(d.day, 29);
    d = DecodeDate(IncMonth(EncodeDate(2012, 12, 15), 1));
    EXPECT_EQ(d.year, 2013);
    EXPECT_EQ(d.month, 1);
    EXPECT_EQ(DecodeTime(IncMonth(jan31, 1)).hour, 12);
}

}  // namespace
}  // namespace qz
