#include "domain/qso.h"

#include <gtest/gtest.h>

#include "base/datetime.h"

namespace qz {
namespace {

// A log of one sent and three received numbers; received number 2 belongs to QTCs.
class FakeLog : public TQSOOwner {
public:
    int NoOfSentNumbers() const override { return 1; }
    int NoOfRcvdNumbers() const override { return 3; }
    int NoOfMulties() const override { return 2; }
    bool IsAQTCRcvdNumber(int i) const override { return i == 2; }
    int GetSentNumericNumberIndex() const override { return 0; }
    std::string GetNextSentQSONumber(int) const override { return "042"; }
    std::string GetSwisslogSPField(int) const override { return swisslog; }
    const TCtyStuff* CtyStuff() const override { return nullptr; }
    std::string swisslog;
};

class Qso : public ::testing::Test {
protected:
    FakeLog log;
    TQSO q{&log, false};
};

TEST_F(Qso, NewLineDefaults) {
    EXPECT_EQ(q.GetFormattedDate(podComplete), "29.Feb.2000");
    EXPECT_EQ(q.GetFormattedTime(potComplete), "0000");
    EXPECT_EQ(q.Mode(), mCW);
    EXPECT_EQ(q.SentRST(), "599");
    EXPECT_EQ(q.RcvdRST(), "599");
    EXPECT_FALSE(q.RcvdHasBeenSet(0));
    EXPECT_FALSE(q.TimeHasBeenSet());
    TQSO edited(&log, true);
    EXPECT_TRUE(edited.RcvdHasBeenSet(2));
    EXPECT_TRUE(edited.TimeHasBeenSet());
    EXPECT_EQ(q.SentNumbers(1), "");  // beyond the log's count
    q.SetSentNumbers(1, "x");
    EXPECT_EQ(q.SentNumbers(1), "");
    EXPECT_EQ(q.RcvdNumbers(-1), "");
}

TEST_F(Qso, DateFieldsRespectTheCalendar) {
    EXPECT_FALSE(q.SetChangedYear("2013"));  // 29 February 2013 does not exist
    EXPECT_EQ(q.GetFormattedDate(podYear), "2000");
    EXPECT_TRUE(q.SetChangedDay("5"));
    EXPECT_TRUE(q.SetChangedYear("2013"));
    EXPECT_TRUE(q.SetChangedMonth(5));
    EXPECT_EQ(q.GetFormattedDate(podComplete), "05.May 2013");
    EXPECT_FALSE(q.SetChangedDay("x"));
    EXPECT_FALSE(q.SetChangedDay("32"));
    EXPECT_FALSE(q.SetChangedMonthEx("13"));
    EXPECT_TRUE(q.SetChangedDay("31"));
    EXPECT_TRUE(q.SetChangedMonthEx("6"));  // 31 May -> 30 June
    EXPECT_EQ(q.GetFormattedDate(podComplete), "30.Jun.2013");
    EXPECT_TRUE(q.SetChangedDate(EncodeDate(2014, 1, 2)));
    EXPECT_EQ(q.GetFormattedDate(podDay), "02");
    EXPECT_EQ(q.GetFormattedDate(podMonth), "Jan.");
}

TEST_F(Qso, TimeParsing) {
    EXPECT_TRUE(q.SetChangedTime("5"));
    EXPECT_EQ(q.GetFormattedTime(potComplete), "0005");
    EXPECT_TRUE(q.TimeHasBeenSet());
    EXPECT_TRUE(q.SetChangedTime("930"));
    EXPECT_EQ(q.GetFormattedTime(potComplete), "0930");
    EXPECT_TRUE(q.SetChangedTime("12345"));
    EXPECT_EQ(q.GetFormattedTime(potComplete), "1234");
    EXPECT_FALSE(q.SetChangedTime("2460"));
    EXPECT_FALSE(q.SetChangedTime(""));
    EXPECT_FALSE(q.SetChangedTime("-1"));
    EXPECT_FALSE(q.SetChangedTime("ab12"));
    EXPECT_EQ(q.GetFormattedTime(potComplete), "1234");
    EXPECT_TRUE(q.SetChangedHour("7"));
    EXPECT_TRUE(q.SetChangedMinute("59"));
    EXPECT_EQ(q.GetFormattedTime(potComplete), "0759");
    EXPECT_FALSE(q.SetChangedMinute("60"));
    EXPECT_EQ(q.GetFormattedDate(podComplete), "29.Feb.2000");  // the date is kept
}

TEST_F(Qso, RSTParsing) {
    EXPECT_TRUE(q.SetChangedRST(cpSentRST, "57"));
    EXPECT_EQ(q.SentRST(), "579");
    EXPECT_TRUE(q.SetChangedRST(cpSentRST, "578"));
    EXPECT_EQ(q.SentRST(), "579");
    EXPECT_FALSE(q.SetChangedRST(cpSentRST, "5"));
    EXPECT_TRUE(q.SetChangedRST(cpSentRST, "339"));
    EXPECT_EQ(q.SentRST(), "339");
    EXPECT_TRUE(q.SetChangedRST(cpSentRST, "100"));  // 109, below 111
    EXPECT_EQ(q.SentRST(), "599");
    EXPECT_FALSE(q.SetChangedRST(cpRcvdRST, "  "));
    EXPECT_TRUE(q.SetChangedMode("SSB"));
    EXPECT_TRUE(q.SetChangedRST(cpRcvdRST, "69"));
    EXPECT_EQ(q.RcvdRST(), "59");
    // Direct writes: empty means default, out of range means default, no number fails.
    EXPECT_TRUE(q.SetSentRST(""));
    EXPECT_EQ(q.SentRST(), "59");
    EXPECT_TRUE(q.SetSentRST("44"));
    EXPECT_EQ(q.SentRST(), "44");
    EXPECT_FALSE(q.SetSentRST("4x"));
    EXPECT_EQ(q.SentRST(), "44");
}

TEST_F(Qso, ModeChangesAdjustRSTs) {
    EXPECT_FALSE(q.SetChangedMode("ssb"));  // the comparison is case-sensitive
    EXPECT_TRUE(q.SetChangedMode("SSB"));
    EXPECT_EQ(q.SentRST(), "59");
    EXPECT_TRUE(q.SetChangedMode("CW"));
    EXPECT_EQ(q.SentRST(), "599");
    q.SetMode(mSSB);
    EXPECT_EQ(q.SentRST(), "59");
    q.SetSentRST("57");
    q.SetMode(mRTTY);
    EXPECT_EQ(q.SentRST(), "579");
    q.SetMode(mCW);  // same RST length: 578-style values keep their third 9
    EXPECT_EQ(q.SentRST(), "579");
}

TEST_F(Qso, ModeSpellingsOfOtherLoggers) {
    struct Case {
        const char* text;
        bool ok;
        TMode mode;
    };
    for (Case c : {Case{"psk31", true, mPSK}, Case{"usb", true, mSSB}, Case{"J3E-USB", true, mSSB},
                   Case{"MFSK", false, mCW}, Case{"RY", true, mRTTY}, Case{"PH", true, mSSB}, Case{"A1A", true, mCW},
                   Case{"PKT", true, mPACKET}, Case{"CLOV", true, mCLOVER}, Case{"", false, mCW}}) {
        TQSO line(&log, false);
        EXPECT_EQ(line.SetChangedModeEx(c.text), c.ok) << c.text;
        if (c.ok) {
            EXPECT_EQ(line.Mode(), c.mode) << c.text;
        }
    }
    EXPECT_TRUE(q.SetChangedModeEx("USB"));
    EXPECT_EQ(q.SentRST(), "599");  // the spelling sets the mode without touching RSTs
}

TEST_F(Qso, BandFromFreeText) {
    for (const char* t : {"14.025", "14025", "20", "20m", "20M"}) {
        TQSO line(&log, false);
        EXPECT_TRUE(line.SetChangedBandEx(t, '.')) << t;
        EXPECT_EQ(line.Band(), b20m) << t;
    }
    q.SetBand(b40m);
    EXPECT_TRUE(q.SetChangedBandEx("19", '.'));
    EXPECT_EQ(q.Band(), b40m);
    EXPECT_FALSE(q.SetChangedBandEx("0", '.'));
    EXPECT_FALSE(q.SetChangedBandEx("abc", '.'));
    for (char sep : {',', '.'}) {
        TQSO line(&log, false);
        EXPECT_TRUE(line.SetChangedBandEx("3,525", sep));
        EXPECT_EQ(line.Band(), b80m);
        EXPECT_TRUE(line.SetChangedBandEx("3.525", sep));
        EXPECT_EQ(line.Band(), b80m);
    }
    EXPECT_TRUE(q.SetChangedBandEx("SAT", '.'));
    EXPECT_EQ(q.Band(), bSAT);
    EXPECT_TRUE(q.SetChangedBandEx("1.25m", '.'));
    EXPECT_EQ(q.Band(), b1_25m);
    EXPECT_TRUE(q.SetChangedBandEx("432.1", '.'));
    EXPECT_EQ(q.Band(), b70cm);
    EXPECT_TRUE(q.SetChangedBandEx("10368", '.'));
    EXPECT_EQ(q.Band(), b3cm);
    EXPECT_FALSE(q.SetChangedBand(" 21m "));
    EXPECT_TRUE(q.SetChangedBand(" 15M "));
    EXPECT_EQ(q.Band(), b15m);
}

TEST_F(Qso, BandTableBoundaries) {
    TBand b;
    EXPECT_TRUE(BandFromAmount(1800, b));
    EXPECT_EQ(b, b160m);
    EXPECT_TRUE(BandFromAmount(1999, b));
    EXPECT_EQ(b, b160m);
    EXPECT_TRUE(BandFromAmount(2000, b));
    EXPECT_EQ(b, b2m);
    EXPECT_TRUE(BandFromAmount(70000, b));
    EXPECT_EQ(b, b70cm);
    EXPECT_TRUE(BandFromAmount(70001, b));
    EXPECT_EQ(b, b4m);
    EXPECT_TRUE(BandFromAmount(10150001, b));
    EXPECT_EQ(b, b3cm);
    EXPECT_TRUE(BandFromAmount(24194000, b));
    EXPECT_EQ(b, b12mm);
    EXPECT_TRUE(BandFromAmount(24195000, b));
    EXPECT_EQ(b, b12m);
    EXPECT_FALSE(BandFromAmount(1239999, b));
    EXPECT_FALSE(BandFromAmount(250000001, b));
}

// What a person types into a band cell: a name, a wavelength number, a frequency in
// MHz or kHz, with a comma or a point; a text naming no band is refused, not ignored.
TEST_F(Qso, BandFromTypingTakesNamesWavelengthsAndFrequencies) {
    const std::pair<const char*, TBand> typed[] = {{"40", b40m},    {"40M", b40m},   {" 70cm ", b70cm}, {"2", b2m},
                                                   {"7,010", b40m}, {"14025", b20m}, {"sat", bSAT}};
    for (const auto& [text, band] : typed) {
        TBand b = b160m;
        EXPECT_TRUE(BandFromTyping(text, b)) << text;
        EXPECT_EQ(b, band) << text;
    }
    TBand b;
    for (const char* text : {"99", "", "abc", "-40", "40x"}) EXPECT_FALSE(BandFromTyping(text, b)) << text;
}

TEST_F(Qso, QTCSwitchAndFlagsWrite) {
    q.SetSentNumbers(0, "001");
    q.SetRcvdNumbers(0, "15");
    q.SetRcvdNumbers(2, "qtc");
    q.SetQSOFlags({qfSentQTC, qfCrossChecked});
    EXPECT_TRUE(q.IsQTC());
    EXPECT_EQ(q.QTCKind(), 1);
    EXPECT_EQ(q.SentNumbers(0), "");
    EXPECT_EQ(q.SentRST(), "");
    EXPECT_EQ(q.RcvdRST(), "");
    EXPECT_EQ(q.RcvdNumbers(0), "");     // a QSO field
    EXPECT_EQ(q.RcvdNumbers(2), "qtc");  // a QTC field stays
    EXPECT_TRUE(q.QSOFlags().Contains(qfCrossChecked));
    // Writing the flags without a QTC kind only removes the kind.
    q.SetQSOFlags({});
    EXPECT_FALSE(q.IsQTC());
    EXPECT_EQ(q.SentRST(), "");
    EXPECT_EQ(q.SentNumbers(0), "");
    // Switching back to a QSO gives the mode's RSTs and the next serial.
    q.SetChangedQTCFlag(0, true);
    EXPECT_EQ(q.SentRST(), "599");
    EXPECT_EQ(q.SentNumbers(0), "042");
    EXPECT_EQ(q.RcvdNumbers(2), "");
    // Both kinds given: the line ends as a received QTC.
    q.SetQSOFlags({qfSentQTC, qfRcvdQTC});
    EXPECT_EQ(q.QTCKind(), 2);
    // A number of the wrong kind is not taken, but the call succeeds.
    EXPECT_TRUE(q.SetChangedNumber(cpRcvdNumber, 0, "5"));
    EXPECT_EQ(q.RcvdNumbers(0), "");
    EXPECT_TRUE(q.SetChangedNumber(cpRcvdNumber, 2, " 7/10 "));
    EXPECT_EQ(q.RcvdNumbers(2), "7/10");
    EXPECT_TRUE(q.RcvdHasBeenSet(2));
    EXPECT_TRUE(q.SetChangedNumber(cpSentNumber, 0, "9"));
    EXPECT_EQ(q.SentNumbers(0), "");
}

TEST_F(Qso, CommentLinesAndTheirFlag) {
    q.SetComment({"a", "b"});
    EXPECT_TRUE(q.QSOFlags().Contains(qfCommentAdded));
    q.SetComment(q.Comment());  // its own lines
    EXPECT_EQ(q.Comment(), (std::vector<std::string>{"a", "b"}));
    // A copy (as undo keeps one) and a line copied into own their lines.
    TQSO copy(q);
    TQSO other(&log, false);
    other.CopyFrom(&q);
    q.SetComment({"c"});
    EXPECT_EQ(copy.Comment(), (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(other.Comment(), (std::vector<std::string>{"a", "b"}));
    copy = q;
    EXPECT_EQ(copy.Comment(), std::vector<std::string>{"c"});
    q.SetComment({});
    EXPECT_FALSE(q.QSOFlags().Contains(qfCommentAdded));
    EXPECT_TRUE(q.Comment().empty());
    EXPECT_EQ(copy.Comment(), std::vector<std::string>{"c"});
}

TEST_F(Qso, FormattingComparingAndCopying) {
    q.SetCall("dl1abc");
    EXPECT_EQ(q.Call().Call(), "DL1ABC");
    EXPECT_EQ(q.GetFormattedCall(10), "DL1ABC     ");
    EXPECT_EQ(q.GetFormattedCall(3), "DL1ABC");
    EXPECT_FALSE(q.SetChangedCall("   "));
    EXPECT_EQ(q.Call().Call(), "DL1ABC");
    q.SetRcvdNumbers(0, "abc");
    q.SetMulties(0, "DL");
    q.SetPoints(3);
    TQSO other(&log, false);
    EXPECT_TRUE(other.CopyFrom(&q));
    EXPECT_EQ(other.Multies(0), "");  // multipliers are not copied
    EXPECT_EQ(other.Points(), 0);
    other.SetRcvdNumbers(0, "ABC");
    other.SetMulties(1, "x");
    EXPECT_TRUE(q.SameQSO(&other));  // case of numbers, points and multipliers do not count
    other.SetRcvdNumbers(1, "1");
    EXPECT_FALSE(q.SameQSO(&other));
    EXPECT_FALSE(q.SameQSO(nullptr));
    EXPECT_FALSE(q.CopyFrom(nullptr));
}

TEST_F(Qso, SwisslogLine) {
    q.SetCall("DL1ABC");
    q.SetBand(b20m);
    q.SetDateTime(EncodeDate(2013, 1, 5) + EncodeTime(9, 30, 0, 0));
    EXPECT_EQ(q.AsSWI(0), "DL1ABC,20130105,0930,14,CW,599,599,N,N");
    log.swisslog = "B01";
    EXPECT_EQ(q.AsSWI(0), "DL1ABC,20130105,0930,14,CW,599,599,N,N,B01");
}

}  // namespace
}  // namespace qz
