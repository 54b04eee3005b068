// The native log file: round trips, the header rules, recognition, atomic saving and
// one case per kind of damage a reader must refuse with file and line.
#include "logfile/qzf.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>
#include <cstring>
#include <filesystem>

#include "base/datetime.h"
#include "base/frontend.h"
#include "base/version.h"
#include "contests/framework/factory.h"
#include "engine/bulkedits.h"
#include "domain/fileheader.h"
#include "engine/testlog.h"
#include "testutil.h"

namespace qz {
namespace {

namespace fs = std::filesystem;

constexpr std::size_t kRec = kFileHeaderSize;  // offset of the first record

TContestLogMaker TestMaker(int sent, int rcvd) {
    return [=](const TFileHeader& h, std::shared_ptr<const TCtyStuff>) -> std::unique_ptr<TContestLog> {
        auto log = std::make_unique<test::TTestLog>(sent, rcvd, 0, AllBands());
        log->Init(h, test::TinyCty());
        return log;
    };
}

std::unique_ptr<TContestLog> NewLog(int sent = 2, int rcvd = 2) {
    TFileHeader h = NewFileHeader();
    h.fhUser_OwnCall = "DL1ABC";
    h.fhContest_Contest = cWWDXcw;
    return TestMaker(sent, rcvd)(h, nullptr);
}

TQSO& Add(TContestLog& log, const std::string& call, int minute, std::initializer_list<const char*> sent = {},
          std::initializer_list<const char*> rcvd = {}) {
    auto q = log.NewQSO(true);
    q->SetCall(call);
    q->SetBand(b20m);
    q->SetDateTime(EncodeDate(2013, 1, 5) + minute / 1440.0);
    int i = 0;
    for (const char* s : sent) q->SetSentNumbers(i++, s);
    i = 0;
    for (const char* r : rcvd) q->SetRcvdNumbers(i++, r);
    TQSO& ref = *q;
    log.AppendQSO(std::move(q));
    return ref;
}

std::unique_ptr<TContestLog> Read(std::string_view bytes, std::string* error = nullptr, int sent = 2, int rcvd = 2,
                                  TDroppedLines* dropped = nullptr) {
    TQZF qzf;
    qzf.LogMaker = TestMaker(sent, rcvd);
    auto log = qzf.ReadLogFromBytes(bytes, "/logs/damaged.qzf");
    if (error) *error = qzf.LastError();
    if (dropped) *dropped = qzf.Dropped;
    return log;
}

// The bytes of a one-line log whose line has a comment.
std::string OneLineBytes() {
    auto log = NewLog();
    TQSO& q = Add(*log, "W1AW", 10, {"001", "14"}, {"599", "05"});
    q.SetComment({"first", "second"});
    return TQZF::EncodeLog(*log);
}

void PutU16(std::string& b, std::size_t at, std::uint16_t v) { std::memcpy(&b[at], &v, 2); }
void PutI32(std::string& b, std::size_t at, std::int32_t v) { std::memcpy(&b[at], &v, 4); }
void PutF64(std::string& b, std::size_t at, double v) { std::memcpy(&b[at], &v, 8); }

// Round trips

TEST(QZFRoundTrip, LinesComeBackInTimeOrderAndStoreAgainToTheSameBytes) {
    auto log = NewLog();
    Add(*log, "W1AW", 30, {"003", "14"}, {"579", "05"});
    Add(*log, "G4ABC", 10, {"001", "14"}, {"599", "14"});
    Add(*log, "JA1XYZ", 10, {"002", "14"}, {"599", "25"});  // same time: stays after G4ABC
    log->QSOs(0)->SetComment({"checked", "", "with umlaut \xE4"});
    log->QSOs(1)->SetMode(mSSB);
    log->QSOs(1)->SetRcvdRST("57");
    log->QSOs(2)->IncludeFlag(qfQuestionable);
    log->QSOs(2)->IncludeFlag(qfUserDeleted);
    log->QSOs(2)->IncludeFlag(qfCrossChecked);

    const std::string first = TQZF::EncodeLog(*log);
    std::string error;
    auto back = Read(first, &error);
    ASSERT_TRUE(back) << error;
    ASSERT_EQ(back->NoOfQSOs(), 3);
    EXPECT_EQ(back->QSOs(0)->Call().Call(), "G4ABC");
    EXPECT_EQ(back->QSOs(1)->Call().Call(), "JA1XYZ");
    EXPECT_EQ(back->QSOs(2)->Call().Call(), "W1AW");
    for (int i = 0; i < 3; ++i) {
        const TQSO* want = log->QSOs(i == 2 ? 0 : i == 0 ? 1 : 2);
        EXPECT_TRUE(back->QSOs(i)->SameQSO(want)) << "line " << i;
        EXPECT_EQ(back->QSOs(i)->Comment(), want->Comment());
        EXPECT_EQ(back->QSOs(i)->RcvdNumbers(1), want->RcvdNumbers(1));
    }
    EXPECT_EQ(back->QSOs(0)->Mode(), mSSB);
    EXPECT_EQ(back->QSOs(0)->RcvdRST(), "57");
    EXPECT_EQ(back->FileHeader().fhContest_NoOfQSOs, 3);

    // Stored again (now in time order) and read and stored once more: the same bytes
    // but for the last-modified stamp; the header is the one first stored.
    const std::string second = TQZF::EncodeLog(*back);
    auto backAgain = Read(second);
    ASSERT_TRUE(backAgain);
    std::string third = TQZF::EncodeLog(*backAgain);
    ASSERT_EQ(third.size(), first.size());
    std::string firstHeader = first.substr(0, kFileHeaderSize);
    for (std::size_t i = fho::LastModifiedTimeStamp; i < fho::LastModifiedTimeStamp + 8; ++i) {
        third[i] = second[i];
        firstHeader[i] = second[i];
    }
    EXPECT_EQ(third, second);
    EXPECT_EQ(second.substr(0, kFileHeaderSize), firstHeader);
}

TEST(QZFRoundTrip, QTCLineHasEmptyRSTsAndNoSentNumbers) {
    auto log = NewLog();
    TQSO& q = Add(*log, "OH2XX", 5, {"007"}, {"599", "x"});
    q.SetQSOFlags(SQSOFlags{qfSentQTC});
    auto back = Read(TQZF::EncodeLog(*log));
    ASSERT_TRUE(back);
    const TQSO* b = back->QSOs(0);
    EXPECT_TRUE(b->QSOFlags().Contains(qfSentQTC));
    EXPECT_EQ(b->SentRST(), "");
    EXPECT_EQ(b->RcvdRST(), "");
    EXPECT_EQ(b->SentNumbers(0), "");
}

TEST(QZFRoundTrip, CompileResultsAreNotStoredAndCommentFlagFollowsTheComment) {
    auto log = NewLog();
    TQSO& q = Add(*log, "W1AW", 1);
    q.IncludeFlag(qfDupe);
    q.IncludeFlag(qfTooManyQTCs);
    q.IncludeFlag(qfQuestionable);
    TQSO& c = Add(*log, "W2AW", 2);
    c.SetComment({"note"});
    const std::string bytes = TQZF::EncodeLog(*log);
    EXPECT_EQ(static_cast<std::uint8_t>(bytes[kRec + 18]), 1u << qfQuestionable);
    auto back = Read(bytes);
    ASSERT_TRUE(back);
    EXPECT_FALSE(back->QSOs(0)->QSOFlags().Contains(qfDupe));
    EXPECT_FALSE(back->QSOs(0)->QSOFlags().Contains(qfTooManyQTCs));
    EXPECT_TRUE(back->QSOs(0)->QSOFlags().Contains(qfQuestionable));
    EXPECT_TRUE(back->QSOs(1)->QSOFlags().Contains(qfCommentAdded));
}

TEST(QZFRoundTrip, CommentsSurviveClearingAllFlags) {
    auto log = NewLog();
    TQSO& flagged = Add(*log, "W1AW", 1);
    flagged.IncludeFlag(qfQuestionable);
    flagged.SetComment({"call checked"});
    Add(*log, "W2AW", 2).IncludeFlag(qfUserDeleted);
    EXPECT_EQ(ClearAllFlags(*log), 2);
    EXPECT_EQ(log->QSOs(0)->QSOFlags(), SQSOFlags{qfCommentAdded});
    EXPECT_TRUE(log->QSOs(1)->QSOFlags().Empty());
    EXPECT_EQ(ClearAllFlags(*log), 0) << "nothing left to clear";
    auto back = Read(TQZF::EncodeLog(*log));
    ASSERT_TRUE(back);
    EXPECT_EQ(back->QSOs(0)->Comment(), std::vector<std::string>{"call checked"});
    EXPECT_EQ(back->QSOs(0)->QSOFlags(), SQSOFlags{qfCommentAdded});
}

TEST(QZFRoundTrip, LongTextIsCutToTheFieldLimits) {
    auto log = NewLog();
    TQSO& q = Add(*log, "W1AW", 1, {}, {""});
    q.SetRcvdNumbers(1, std::string(300, 'N'));
    q.SetComment({std::string(5000, 'c')});
    auto back = Read(TQZF::EncodeLog(*log));
    ASSERT_TRUE(back);
    EXPECT_EQ(back->QSOs(0)->RcvdNumbers(1), std::string(255, 'N'));
    ASSERT_EQ(back->QSOs(0)->Comment().size(), 1u);
    EXPECT_EQ(back->QSOs(0)->Comment()[0], std::string(4096, 'c'));
}

TEST(QZFRoundTrip, NumbersBeyondTheContestsCountsAreDropped) {
    auto three = NewLog(3, 2);
    Add(*three, "W1AW", 1, {"1", "2", "3"}, {"a", "b"});
    auto back = Read(TQZF::EncodeLog(*three), nullptr, 2, 1);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->QSOs(0)->SentNumbers(0), "1");
    EXPECT_EQ(back->QSOs(0)->SentNumbers(1), "2");
    EXPECT_EQ(back->QSOs(0)->RcvdNumbers(0), "a");
    EXPECT_EQ(back->QSOs(0)->RcvdNumbers(1), "");
}

TEST(QZFRoundTrip, EmptyLogIsJustTheHeader) {
    auto log = NewLog();
    const std::string bytes = TQZF::EncodeLog(*log);
    EXPECT_EQ(bytes.size(), kFileHeaderSize);
    auto back = Read(bytes);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->NoOfQSOs(), 0);
}

TEST(QZFRoundTrip, ThroughTheFactoryAQTCContestKeepsItsQTCNumbers) {
    TFileHeader h = NewFileHeader();
    h.fhUser_OwnCall = "DL1ABC";
    h.fhContest_Contest = cWAEcw;
    auto log = CreateContestLog(h, nullptr, test::TinyCty());
    ASSERT_TRUE(log);
    log->CreateAndAppendQSO(true);
    TQSO* q = log->QSOs(0);
    q->SetCall("W1AW");
    q->SetQSOFlags(SQSOFlags{qfRcvdQTC});
    q->SetChangedNumber(cpRcvdNumber, 1, "1234");
    TQZF qzf;
    auto back = qzf.ReadLogFromBytes(TQZF::EncodeLog(*log), "wae.qzf", test::TinyCty());
    ASSERT_TRUE(back) << qzf.LastError();
    EXPECT_EQ(back->Contest(), cWAEcw);
    EXPECT_TRUE(back->QSOs(0)->QSOFlags().Contains(qfRcvdQTC));
    EXPECT_EQ(back->QSOs(0)->RcvdNumbers(1), "1234");
}

TEST(QZFLineData, FrequencyAndTransmitterRoundTripAndOlderReadersDropThem) {
    auto log = NewLog();
    TQSO& a = Add(*log, "W1AW", 10, {"001", "14"}, {"599", "05"});
    a.SetFrequency(7008);
    a.SetTransmitterNumber(1);
    a.SetComment({"kept"});
    Add(*log, "G4ABC", 20, {"002", "14"}, {"599", "14"});
    Add(*log, "JA1XYZ", 30, {"003", "14"}, {"599", "25"}).SetTransmitterNumber(1);
    const std::string bytes = TQZF::EncodeLog(*log);
    std::string error;
    auto back = Read(bytes, &error);
    ASSERT_TRUE(back) << error;
    ASSERT_EQ(back->NoOfQSOs(), 3);
    EXPECT_EQ(back->QSOs(0)->Frequency(), 7008u);
    EXPECT_EQ(back->QSOs(0)->TransmitterNumber(), 1);
    EXPECT_EQ(back->QSOs(0)->Comment(), std::vector<std::string>{"kept"});
    EXPECT_EQ(back->QSOs(1)->Frequency(), 0u);
    EXPECT_EQ(back->QSOs(1)->TransmitterNumber(), 0);
    EXPECT_EQ(back->QSOs(2)->Frequency(), 0u);
    EXPECT_EQ(back->QSOs(2)->TransmitterNumber(), 1);
    for (int i = 0; i < 3; ++i) EXPECT_TRUE(back->QSOs(i)->SameQSO(log->QSOs(i))) << "line " << i;
    EXPECT_EQ(TQZF::EncodeLog(*back).substr(kFileHeaderSize), bytes.substr(kFileHeaderSize));

    // A reader that does not know the line data (the flag bit masked off, as it was)
    // reads one surplus sent number, drops it, and reads every field as before.
    std::string older = bytes;
    older[kRec + 18] = static_cast<char>(older[kRec + 18] & qzf::kStoredFlagBits);
    auto old = Read(older, &error);
    ASSERT_TRUE(old) << error;
    ASSERT_EQ(old->NoOfQSOs(), 3);
    EXPECT_TRUE(old->QSOs(0)->SameQSO(log->QSOs(0)));
    EXPECT_EQ(old->QSOs(0)->SentNumbers(1), "14");
    EXPECT_EQ(old->QSOs(0)->Comment(), std::vector<std::string>{"kept"});
    EXPECT_EQ(old->QSOs(0)->Frequency(), 0u);
    EXPECT_EQ(old->QSOs(1)->Call().Call(), "G4ABC");
}

TEST(QZFLineData, FileOfTheVersionBeforeReadsAndStoresToTheSameBytes) {
    // Written by qz 4.10 before lines had line data.
    const std::string file = std::string(QZ_TEST_DATA_DIR) + "/logfile/narrow_cqww_4.10.QZF";
    const std::string bytes = test::ReadFile(file);
    ASSERT_GT(bytes.size(), kFileHeaderSize);
    TQZF qzf;
    auto log = qzf.ReadLogFromBytes(bytes, file, test::TinyCty());
    ASSERT_TRUE(log) << qzf.LastError();
    ASSERT_EQ(log->NoOfQSOs(), 6);
    EXPECT_EQ(log->QSOs(3)->Call().Call(), "JA1XYZ");
    EXPECT_EQ(log->QSOs(3)->Band(), b40m);
    EXPECT_TRUE(log->QSOs(4)->QSOFlags().Contains(qfUserDeleted));
    EXPECT_EQ(log->FileHeader().fhUser_ARRLSection, "DX");
    EXPECT_EQ(log->FileHeader().fhUser_GridLocator, "");
    std::string again = TQZF::EncodeLog(*log);
    ASSERT_EQ(again.size(), bytes.size());
    // All but the last-modified stamp and version.
    for (std::size_t i = fho::LastModifiedTimeStamp; i < fho::NoOfColumnDescriptors; ++i) again[i] = bytes[i];
    EXPECT_TRUE(again == bytes);
}

// Header rules

TEST(QZFHeader, NewHeaderDefaults) {
    TFileHeader h = NewFileHeader();
    EXPECT_EQ(h.fhQZ_VersionString, "QZ v 4.10");
    EXPECT_EQ(h.fhQZ_CreatedVersion, ProgramVersion());
    EXPECT_EQ(h.fhQZ_LastModifiedVersion, ProgramVersion());
    EXPECT_EQ(h.fhQZ_CreatedTimeStamp, 0);
    for (const auto& c : h.fhQZ_ColumnDescriptors) {
        EXPECT_EQ(c.Property, cpNr);
        EXPECT_EQ(c.ArrayIndex, -1);
        EXPECT_EQ(c.Width, 0);
    }
    EXPECT_EQ(h.fhQZ_OutputWindows, SOutputWindow{owMessages});
    EXPECT_EQ(h.fhUser_PowerCategory, powLowPower);
    EXPECT_EQ(h.fhUser_ARRLSection, "DX");
    EXPECT_EQ(h.fhContest_Contest, cNoContest);
    EXPECT_EQ(h.fhContest_CategoryAssisted, caNonAssisted);
    EXPECT_EQ(h.fhContest_CategoryPower, cpLow);
    EXPECT_EQ(h.fhContest_CategoryTime, ctm24Hours);
    EXPECT_EQ(fs::path(h.fhContest_CtyFile).filename(), "cty.dat");
}

TEST(QZFHeader, StoringTwiceKeepsTheCreationStamp) {
    test::TempDir dir;
    auto log = NewLog();
    TQZF qzf;
    ASSERT_NE(qzf.StoreLog(dir.File("a"), *log, false), "");
    const TDateTime created = log->FileHeader().fhQZ_CreatedTimeStamp;
    const TDateTime modified = log->FileHeader().fhQZ_lastModifiedTimeStamp;
    EXPECT_NE(created, 0);
    EXPECT_EQ(created, modified);
    usleep(5000);
    ASSERT_NE(qzf.StoreLog(dir.File("a"), *log, false), "");
    EXPECT_EQ(log->FileHeader().fhQZ_CreatedTimeStamp, created);
    EXPECT_GT(log->FileHeader().fhQZ_lastModifiedTimeStamp, modified);
}

TEST(QZFHeader, UpgradeDerivesCategoriesOnlyForOldVersions) {
    TFileHeader h = NewFileHeader();
    h.fhQZ_LastModifiedVersion = {4, 1, 0, 0};
    h.fhUser_PowerCategory = powQRP;
    h.fhContest_ParticipationCategory = catMultiOpTwoTX;
    h.fhContest_CategoryOverlay = coRookie;
    h.fhUser_Name = "Hans";
    h.fhContest_Year = 2013;
    h.fhQZ_ReadOnly = true;
    TFileHeader v41 = h;
    UpgradeFileHeader(v41);
    EXPECT_EQ(v41.fhContest_CategoryPower, cpQRP);
    EXPECT_EQ(v41.fhContest_CategoryOperator, coMultiOp);
    EXPECT_EQ(v41.fhContest_CategoryTransmitter, ctxTwo);
    EXPECT_EQ(v41.fhContest_CategoryAssisted, caNonAssisted);
    EXPECT_EQ(v41.fhContest_CategoryOverlay, coNone);
    EXPECT_EQ(v41.fhUser_Name, "Hans");  // 4.1 wrote the name already
    EXPECT_EQ(v41.fhContest_Year, 0);
    EXPECT_FALSE(v41.fhQZ_ReadOnly);

    TFileHeader v40 = h;
    v40.fhQZ_LastModifiedVersion = {4, 0, 0, 0};
    v40.fhUser_PowerCategory = powOther;
    v40.fhContest_ParticipationCategory = catScoolClub;
    UpgradeFileHeader(v40);
    EXPECT_EQ(v40.fhUser_Name, "");
    EXPECT_EQ(v40.fhContest_CategoryPower, cpLow);
    EXPECT_EQ(v40.fhContest_CategoryStation, csSchool);

    TFileHeader v410 = h;
    v410.fhQZ_LastModifiedVersion = {4, 10, 0, 0};
    UpgradeFileHeader(v410);
    EXPECT_EQ(v410.fhContest_CategoryOverlay, coRookie);
    EXPECT_EQ(v410.fhContest_Year, 2013);
    EXPECT_TRUE(v410.fhQZ_ReadOnly);
}

TEST(QZFHeader, PreviewNeedsOneFixedRecordPartAndTakesItsYear) {
    std::string bytes = OneLineBytes();
    TQZF qzf;
    TFileHeader h;
    EXPECT_TRUE(qzf.ReadPreviewFromBytes(bytes.substr(0, 4119), "p.qzf", h)) << qzf.LastError();
    EXPECT_EQ(h.fhContest_Year, 2013);
    EXPECT_EQ(h.fhUser_OwnCall, "DL1ABC");
    EXPECT_FALSE(qzf.ReadPreviewFromBytes(bytes.substr(0, 4118), "p.qzf", h));

    test::TempDir dir;
    test::WriteFile(dir.File("p.qzf"), bytes);
    TFileHeader fromFile;
    EXPECT_TRUE(qzf.ReadPreviewInformation(dir.File("p.qzf"), fromFile));
    EXPECT_EQ(fromFile.fhContest_Year, 2013);
}

// Recognition and names

TEST(QZFRecognition, SizeAndVersionString) {
    const std::string v410 = std::string("\x09") + "QZ v 4.10";
    EXPECT_EQ(NativeFileType(v410, 4095), ftUnknown);
    EXPECT_FALSE(IsNativeLog(v410, 4095));
    EXPECT_EQ(NativeFileType(v410, 4096), ftQZ4);
    EXPECT_EQ(NativeFileType(std::string("\x09") + "QZ v 4.99", 5000), ftQZ4);
    EXPECT_TRUE(IsNativeLog(std::string("\x09") + "QZ v 5.00", 5000));
    EXPECT_EQ(NativeFileType(std::string("\x09") + "QZ v 5.00", 5000), ftUnknown);
    EXPECT_EQ(NativeFileType(std::string("\x09") + "QZ v 3.00", 5000), ftQZ3);
    // Short legacy logs are still recognised; short version-4 files are not.
    EXPECT_EQ(NativeFileType(std::string("\x09") + "QZ v 3.00", 70), ftQZ3);
    EXPECT_EQ(NativeFileType(std::string("\x09") + "QZ v 3.00", 34), ftUnknown);
    EXPECT_EQ(NativeFileType(std::string("\x03") + "QZ v 4.10", 5000), ftUnknown);  // only "QZ " counts
    EXPECT_EQ(NativeFileType("", 5000), ftUnknown);
}

TEST(QZFRecognition, StoredNameGetsTheNativeExtensionButKeepsAnExistingSpelling) {
    test::TempDir dir;
    EXPECT_EQ(NativeFileName(dir.File("x.qzf")), dir.File("x.QZF"));
    EXPECT_EQ(NativeFileName(dir.File("x.txt")), dir.File("x.QZF"));
    EXPECT_EQ(NativeFileName(dir.File("x")), dir.File("x.QZF"));
    test::WriteFile(dir.File("Old.qzf"), "x");
    EXPECT_EQ(NativeFileName(dir.File("old.txt")), dir.File("Old.qzf"));

    auto log = NewLog();
    TQZF qzf;
    EXPECT_EQ(qzf.StoreLog(dir.File("old.QZF"), *log, false), dir.File("Old.qzf"));
    EXPECT_FALSE(fs::exists(dir.File("old.QZF")));
    EXPECT_EQ(test::ReadFile(dir.File("Old.qzf")).size(), kFileHeaderSize);
}

TEST(QZFRecognition, NewLogIsOfferedUnderCallContestAndYear) {
    EXPECT_EQ(ProposedNativeFileName("DL1ABC", "CQ-WW-CW", 2024), "DL1ABC-CQ-WW-CW-2024.QZF");
    // A portable call, blanks around it, characters a file name should not hold.
    EXPECT_EQ(ProposedNativeFileName(" PA/DL1ABC/P ", "WAG", 2023), "PA-DL1ABC-P-WAG-2023.QZF");
    EXPECT_EQ(ProposedNativeFileName("DL1ABC", "A B\\C:*?", 2023), "DL1ABC-A-B-C-2023.QZF");
    // Missing parts are left out, not left empty.
    EXPECT_EQ(ProposedNativeFileName("", "CQ-WPX-CW", 2024), "CQ-WPX-CW-2024.QZF");
    EXPECT_EQ(ProposedNativeFileName("DL1ABC", "", 0), "DL1ABC.QZF");
    EXPECT_EQ(ProposedNativeFileName("/", "", 0), "QZ.QZF");
}

// Saving

TEST(QZFSave, FailedWriteLeavesTheOldFileAndNamesIt) {
    test::TempDir dir;
    const std::string target = dir.File("keep.QZF");
    test::WriteFile(target, "old contents");
    auto log = NewLog();
    Add(*log, "W1AW", 1);
    TQZF qzf;
    {
        // Writing stops after 100 bytes (as on a full disk): the temporary file cannot
        // be completed. The limit holds even for root.
        test::FileSizeLimit limit(100);
        EXPECT_EQ(qzf.StoreLog(target, *log, false), "");
    }
    EXPECT_FALSE(qzf.Cancelled());
    EXPECT_NE(qzf.LastError().find(target), std::string::npos) << qzf.LastError();
    EXPECT_EQ(test::ReadFile(target), "old contents");
}

TEST(QZFSave, TargetThatIsAFolderFails) {
    test::TempDir dir;
    fs::create_directory(dir.File("log.QZF"));
    auto log = NewLog();
    TQZF qzf;
    EXPECT_EQ(qzf.StoreLog(dir.File("log.QZF"), *log, false), "");
    EXPECT_NE(qzf.LastError().find(dir.File("log.QZF")), std::string::npos);
    EXPECT_TRUE(fs::is_directory(dir.File("log.QZF")));
}

TEST(QZFSave, OverwriteQuestionDecidesAndNoWithoutDialogKeepsTheFile) {
    test::TempDir dir;
    const std::string target = dir.File("q.QZF");
    test::WriteFile(target, "old");
    auto log = NewLog();

    TSilentFrontEnd no(TMsgAnswer::No);
    SetFrontEnd(&no);
    TQZF qzf;
    EXPECT_EQ(qzf.StoreLog(target, *log, true), "");
    EXPECT_TRUE(qzf.Cancelled());
    EXPECT_EQ(test::ReadFile(target), "old");

    // "No" with a save dialog: the chosen name is asked about again, then written.
    qzf.ChooseSaveName = [&](std::string& name) {
        name = dir.File("other.QZF");
        return true;
    };
    EXPECT_EQ(qzf.StoreLog(target, *log, true), dir.File("other.QZF"));
    EXPECT_EQ(test::ReadFile(target), "old");

    TSilentFrontEnd yes(TMsgAnswer::Yes);
    SetFrontEnd(&yes);
    EXPECT_EQ(qzf.StoreLog(target, *log, true), target);
    EXPECT_EQ(test::ReadFile(target).size(), kFileHeaderSize);
    SetFrontEnd(nullptr);
}

// Damage: each case ends the read with file and line

struct DamageCase {
    const char* name;
    void (*damage)(std::string& bytes);
    const char* expected;  // part of the message
    // A file cut inside a line keeps the complete lines before it and reports the cut
    // line as dropped; -1: the file is refused.
    int kept = -1;
};

class QZFDamage : public ::testing::TestWithParam<DamageCase> {};

TEST_P(QZFDamage, IsRefusedOrCutWithFileAndLine) {
    std::string bytes = OneLineBytes();
    bytes += OneLineBytes().substr(kFileHeaderSize);  // a second, sound line
    GetParam().damage(bytes);
    std::string error;
    TDroppedLines dropped;
    auto log = Read(bytes, &error, 2, 2, &dropped);
    if (GetParam().kept >= 0) {
        ASSERT_TRUE(log) << error;
        EXPECT_EQ(log->NoOfQSOs(), GetParam().kept);
        EXPECT_EQ(dropped.count, 1);
        ASSERT_EQ(dropped.listed.size(), 1u);
        error = dropped.listed[0];
    } else {
        EXPECT_FALSE(log);
        EXPECT_EQ(dropped.count, 0);
    }
    EXPECT_NE(error.find("/logs/damaged.qzf"), std::string::npos) << error;
    EXPECT_NE(error.find(GetParam().expected), std::string::npos) << error;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, QZFDamage,
    ::testing::Values(
        DamageCase{"TruncatedHeader", [](std::string& b) { b.resize(4000); }, "shorter than the 4096-byte header"},
        DamageCase{"BadHeaderEnum", [](std::string& b) { b[fho::Contest] = static_cast<char>(200); },
                   "invalid contest"},
        DamageCase{"BadHeaderLength", [](std::string& b) { b[fho::OwnCall] = 40; }, "length of own call"},
        DamageCase{"TooManyColumns", [](std::string& b) { PutU16(b, fho::NoOfColumnDescriptors, 41); },
                   "column count 41 exceeds 40"},
        DamageCase{"TruncatedFixedPart",
                   [](std::string& b) { b.resize(b.size() - (b.size() - kFileHeaderSize) / 2 + 10); }, "line 2", 1},
        DamageCase{"TruncatedRecord", [](std::string& b) { b.resize(kRec + 12); }, "line 1: the record is cut short",
                   0},
        DamageCase{"BadRSTLength", [](std::string& b) { b[kRec + 10] = 4; }, "line 1: length of the sent RST"},
        DamageCase{"BadBand", [](std::string& b) { b[kRec] = static_cast<char>(kNoOfBands); }, "line 1: invalid band"},
        DamageCase{"BadMode", [](std::string& b) { b[kRec + 1] = static_cast<char>(mEndOfList); },
                   "line 1: invalid mode"},
        DamageCase{"DateNotANumber", [](std::string& b) { PutF64(b, kRec + 2, std::nan("")); }, "line 1: invalid date"},
        DamageCase{"DateBeyondYear9999", [](std::string& b) { PutF64(b, kRec + 2, 1e9); }, "line 1: invalid date"},
        DamageCase{"RSTNotANumber", [](std::string& b) { std::memcpy(&b[kRec + 11], "5x9", 3); },
                   "line 1: the sent RST '5x9' is not a number"},
        DamageCase{"CallPastTheEnd",
                   [](std::string& b) {
                       b.resize(kRec + 24);
                       b[kRec + 23] = 100;
                   },
                   "line 1: the call runs past the end", 0},
        DamageCase{"HugeCount", [](std::string& b) { PutU16(b, kRec + 19, 65535); },
                   "line 1: the counts of exchanged numbers", 0},
        DamageCase{"NumberPastTheEnd",
                   [](std::string& b) {
                       b.resize(kRec + 28 + 5);  // after the call "W1AW": the first sent number
                       b[kRec + 28] = 50;
                   },
                   "line 1: the sent number runs past the end", 0},
        DamageCase{"CommentLengthPastTheEnd",
                   [](std::string& b) {
                       std::size_t half = (b.size() - kFileHeaderSize) / 2;
                       b.resize(kFileHeaderSize + half);
                       PutI32(b, b.size() - 19, 4000);  // before "first\r\nsecond\r\n", 15 bytes
                   },
                   "line 1: the comment of 4000 bytes runs past the end", 0},
        DamageCase{"CommentLongerThanItsLimit",
                   [](std::string& b) {
                       std::size_t half = (b.size() - kFileHeaderSize) / 2;
                       PutI32(b, kFileHeaderSize + half - 15 - 4, 5000);
                   },
                   "line 1: comment length 5000 outside"},
        DamageCase{"NegativeCommentLength",
                   [](std::string& b) {
                       std::size_t half = (b.size() - kFileHeaderSize) / 2;
                       PutI32(b, kFileHeaderSize + half - 15 - 4, -1);
                   },
                   "line 1: comment length -1"},
        DamageCase{"CommentCutShort", [](std::string& b) { b.resize(b.size() - (b.size() - kFileHeaderSize) / 2 - 3); },
                   "line 1: the comment of 15 bytes runs past the end", 0},
        DamageCase{"WrongVersion", [](std::string& b) { std::memcpy(&b[1], "QZ v 3.00", 9); },
                   "not a log file of version 4"}),
    [](const ::testing::TestParamInfo<DamageCase>& info) { return std::string(info.param.name); });

TEST(QZFRead, NamesAFileThatIsMissingOrAFolder) {
    test::TempDir dir;
    TQZF qzf;
    EXPECT_FALSE(qzf.ReadLog(dir.File("none.qzf")));
    EXPECT_NE(qzf.LastError().find("none.qzf"), std::string::npos);
    EXPECT_FALSE(qzf.ReadLog(dir.path().string()));
    EXPECT_NE(qzf.LastError().find("folder"), std::string::npos);
}

}  // namespace
}  // namespace qz
