// The ASCII import and its format list: field rules, layouts by extension or name,
// the stored file, and lines the layout does not fit.
#include "import/asciiimport.h"

#include <gtest/gtest.h>

#include <cerrno>

#include "base/datetime.h"
#include "base/fileio.h"
#include "base/installfiles.h"
#include "base/language.h"
#include "base/options.h"
#include "export/exporttest.h"

namespace qz {
namespace {

std::string DateTimeOf(const TQSO& q) {
    const CivilDate d = DecodeDate(q.DateTime());
    const CivilTime t = DecodeTime(q.DateTime());
    return Format("%.4d-%.2d-%.2d %.2d:%.2d", d.year, d.month, d.day, t.hour, t.minute);
}

// "W1AW      2013-11-23 2358 599 599 5"
TPosListRec Layout() {
    TPosListRec p;
    p.Name = "TEST";
    p.FileExtension = "txt";
    auto set = [&](int TPositionRec::*f, int a, int b) {
        p.StartPos.*f = a;
        p.EndPos.*f = b;
    };
    set(&TPositionRec::Call, 1, 10);
    set(&TPositionRec::Date_Year, 11, 14);
    set(&TPositionRec::Date_Month, 16, 18);
    set(&TPositionRec::Date_Day, 19, 21);
    set(&TPositionRec::UTC_Hour, 22, 24);
    set(&TPositionRec::UTC_Minute, 25, 26);
    set(&TPositionRec::Sent_RST, 28, 30);
    set(&TPositionRec::Rcvd_RST, 32, 34);
    p.NumberOfRcvdNumbers = 1;
    p.StartPos.Rcvd_Numbers[0] = 36;
    p.EndPos.Rcvd_Numbers[0] = 40;
    return p;
}

class ASCII : public ::testing::Test {
protected:
    void SetUp() override {
        test::UseEnglishStrings();
        Options = TOptions();
        InstallMissingDataFiles();
    }
    void TearDown() override { Options = TOptions(); }

    std::unique_ptr<TContestLog> Read(const std::string& text, const TPosListRec& layout, TContest contest = cWWDXcw) {
        messages_.clear();
        settings_.Layout = layout;
        TryEncodeDate(2013, 11, 23, settings_.ConstantDate);
        reader_ = std::make_unique<TASCIIConvert>(text, "in/x.txt", &messages_);
        reader_->Cty = test::TinyCty();
        reader_->DefaultContest = contest;
        reader_->Settings = &settings_;
        return reader_->ReadLog(false);
    }
    std::string AllMessages() const {
        std::string m;
        for (const auto& s : messages_) m += s + "\n";
        return m;
    }

    TASCIIImportSettings settings_;
    std::vector<std::string> messages_;
    std::unique_ptr<TASCIIConvert> reader_;
};

TEST_F(ASCII, FieldRules) {
    const std::string text =
        "Call      Year Mon Day time RST RST Zone\r\n"
        "w1aw      2013 nov 23 2358 599 599 5\r\n"
        "JA\xED"
        "XYZ    2013 11  23 2359 57  57  25\r\n"
        "G4ABC     2013 12  01 0001 599 599 14\n"
        "DL1ABC P  2013 12  01 0002 599 599 14\n"
        "F5-AB     2013 12  01 0003\n"
        "K1AB      2079 mar 02 0004 599 599 5\r"
        "K2AB      2013 m\xE4r 02 0005 599 599 5\r\n";
    TPosListRec layout = Layout();
    auto log = Read(text, layout);
    ASSERT_TRUE(log) << reader_->LastError();
    ASSERT_EQ(log->NoOfQSOs(), 5) << AllMessages();
    EXPECT_EQ(log->QSOs(0)->Call().Call(), "W1AW");
    EXPECT_EQ(DateTimeOf(*log->QSOs(0)), "2013-11-23 23:58");
    EXPECT_EQ(log->QSOs(0)->RcvdNumbers(0), "5");
    EXPECT_EQ(log->QSOs(1)->Call().Call(), "JA0XYZ");  // a slashed zero
    EXPECT_EQ(log->QSOs(1)->Mode(), mSSB);             // RST 57 with constant mode CW
    EXPECT_EQ(log->QSOs(3)->Call().Call(), "K1AB");
    EXPECT_EQ(DateTimeOf(*log->QSOs(3)), "2079-03-02 00:04");
    // A lower-case umlaut is not upper-cased: the month stays as it was.
    EXPECT_EQ(DecodeDate(log->QSOs(4)->DateTime()).month, 3);
    const std::string m = AllMessages();
    EXPECT_NE(m.find("in/x.txt: line #1: \"Call"), std::string::npos) << m;
    EXPECT_NE(m.find("line #5: \"DL1ABC P"), std::string::npos) << m;  // two words
    EXPECT_NE(m.find("line #6: \"F5-AB"), std::string::npos) << m;     // a character no call has
    EXPECT_EQ(reader_->Counts().qsos + reader_->Counts().noCall, reader_->Counts().lines);
}

TEST_F(ASCII, WithoutADayColumnTheLogCrossesMidnight) {
    TPosListRec layout = Layout();
    layout.StartPos.Date_Day = layout.EndPos.Date_Day = 0;
    auto log = Read("W1AW      2013 11     2358\nW2AW      2013 11     2359\nW3AW      2013 11     0001\n", layout);
    ASSERT_TRUE(log);
    ASSERT_EQ(log->NoOfQSOs(), 3);
    EXPECT_EQ(DateTimeOf(*log->QSOs(1)), "2013-11-23 23:59");
    EXPECT_EQ(DateTimeOf(*log->QSOs(2)), "2013-11-24 00:01");
}

TEST_F(ASCII, TabsShortLinesAndLineRange) {
    EXPECT_EQ(ExpandTabs("ab\tc", 8), "ab      c");
    EXPECT_EQ(ExpandTabs("ab\tc", 0), "ab\tc");
    EXPECT_EQ(ASCIIMonthOf("DEZEMBER"), 12);
    EXPECT_EQ(ASCIIMonthOf("M\xC4RZ"), 3);
    EXPECT_EQ(ASCIIMonthOf("m\xE4rz"), 0);  // only a to z are upper-cased
    EXPECT_EQ(ASCIIMonthOf("13"), 0);
    EXPECT_EQ(ASCIICallOf("  dl1abc/p  "), "DL1ABC/P");
    EXPECT_EQ(ASCIICallOf("ABC"), "");
    TPosListRec layout = Layout();
    settings_.LinesFrom = 2;
    auto log = Read("W1AW\t  2013 11  23 2358\nW2AW      2013 11  23\nW3AW\n", layout);
    ASSERT_TRUE(log);
    ASSERT_EQ(log->NoOfQSOs(), 2);
    EXPECT_EQ(log->QSOs(0)->Call().Call(), "W2AW");
    const std::string m = AllMessages();
    EXPECT_NE(m.find("line #1: \"W1AW"), std::string::npos) << m;  // before the range
    EXPECT_NE(m.find("line 2: the line ends before the column of hour, minute, sent RST"), std::string::npos) << m;
    EXPECT_NE(m.find("line 3: the line ends before the column of day, month, year"), std::string::npos) << m;
}

TEST_F(ASCII, FormatListFileAndLayoutChoice) {
    TFormatList list;
    TPosListRec a = Layout();
    a.Name = "ZETA";
    a.NumberOfSentNumbers = 2;
    a.StartPos.Sent_Numbers[1] = 50;
    a.EndPos.Sent_Numbers[1] = 55;
    list.Add(a);
    TPosListRec b;
    b.Name = "ALPHA";
    b.FileExtension = ".LOG";
    list.Add(b);
    const std::string bytes = list.ToBytes();
    TFormatList back;
    ASSERT_TRUE(back.LoadFromBytes(bytes));
    ASSERT_EQ(back.Count(), 2);
    EXPECT_EQ(back.Items(0).Name, "ALPHA");  // sorted by name
    EXPECT_EQ(back.Items(1).EndPos.Sent_Numbers[1], 55);
    EXPECT_EQ(back.Items(1).StartPos.Rcvd_Numbers[0], 36);
    EXPECT_EQ(back.IndexOfFile("x/y.log"), 0);
    EXPECT_EQ(back.IndexOfFile("x/y.TXT"), 1);
    EXPECT_EQ(back.IndexOfName("zeta"), 1);
    // A damaged list keeps the layouts before the damage.
    TFormatList cut;
    EXPECT_FALSE(cut.LoadFromBytes(bytes.substr(0, bytes.size() - 3)));
    EXPECT_EQ(cut.Count(), 1);
    std::string huge = bytes;
    huge[1 + 5 + 1 + 3] = 100;  // the first layout's sent count
    EXPECT_FALSE(cut.LoadFromBytes(huge));

    // A save that fails on a full disk leaves the stored list as it was.
    test::TempDir dir;
    const std::string file = dir.File("Encoded/FileFormatList.qz");
    ASSERT_TRUE(back.SaveToFile(file));
    back.Delete(0);
    InjectFileFault(TFileFault::Write, ENOSPC);
    std::string error;
    EXPECT_FALSE(back.SaveToFile(file, &error));
    EXPECT_NE(error.find("No space left"), std::string::npos) << error;
    TFormatList kept;
    ASSERT_TRUE(kept.LoadFromFile(file));
    EXPECT_EQ(kept.Count(), 2);

    // The converter picks a stored layout by name, or says that it has none.
    messages_.clear();
    TASCIIConvert reader(std::string("W1AW      2013 11  23 2358\n"), "in/x.dat", &messages_);
    reader.Cty = test::TinyCty();
    reader.DefaultContest = cWWDXcw;
    reader.FormatList = back;
    reader.FormatListLoaded = true;
    EXPECT_EQ(reader.ReadLog(false), nullptr);
    EXPECT_NE(reader.LastError().find("--layout"), std::string::npos);
    reader.LayoutName = "zeta";
    auto log = reader.ReadLog(false);
    ASSERT_TRUE(log) << reader.LastError();
    EXPECT_EQ(log->QSOs(0)->Call().Call(), "W1AW");
    reader.LayoutName = "none";
    EXPECT_EQ(reader.ReadLog(false), nullptr);
    EXPECT_NE(reader.LastError().find("'none'"), std::string::npos);
}

}  // namespace
}  // namespace qz
