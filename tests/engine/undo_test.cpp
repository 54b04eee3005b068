#include "engine/undo.h"

#include <gtest/gtest.h>

#include <random>

#include "base/datetime.h"
#include "base/text.h"
#include "engine/testlog.h"
#include "logfile/qzf.h"
#include "testutil.h"

namespace qz {
namespace {

using test::AddLine;
using test::MakeLog;

SBand Six() { return {b160m, b80m, b40m, b20m, b15m, b10m}; }

std::vector<std::string> Calls(const TContestLog& log) {
    std::vector<std::string> r;
    for (int i = 0; i < log.NoOfQSOs(); ++i) r.push_back(log.QSOs(i)->Call().Call());
    return r;
}

// Everything a line holds apart from what compiling and the editor's view set.
std::string Dump(const TContestLog& log) {
    std::string s;
    for (int i = 0; i < log.NoOfQSOs(); ++i) {
        const TQSO& q = *log.QSOs(i);
        SQSOFlags flags = q.QSOFlags();
        flags.Exclude(qfDupe);
        flags.Exclude(qfInvalid);
        flags.Exclude(qfTooManyQTCs);
        s += Format("%d|%d|%.9f|%s|%s|%s|%u|%d|", q.Band(), q.Mode(), q.DateTime(), q.Call().Call().c_str(),
                    std::string(q.SentRST()).c_str(), std::string(q.RcvdRST()).c_str(), flags.bits(),
                    q.TimeHasBeenSet());
        for (int k = 0; k < log.NoOfSentNumbers(); ++k) s += q.SentNumbers(k) + ",";
        for (int k = 0; k < log.NoOfRcvdNumbers(); ++k) s += q.RcvdNumbers(k) + (q.RcvdHasBeenSet(k) ? "+" : "-");
        for (const auto& c : q.Comment()) s += "#" + c;
        s += "\n";
    }
    return s;
}

// The line records of the native file (the header carries time stamps).
std::string Records(TContestLog& log) { return TQZF::EncodeLog(log).substr(kFileHeaderSize); }

TEST(Undo, HistoryIsOffUntilSwitchedOnAndStepsGroup) {
    auto log = MakeLog(1, 1, 0, Six());
    AddLine(*log, "DL1A", b20m, mCW, 0);
    AddLine(*log, "DL1B", b20m, mCW, 1);
    log->PushUndo(ueaDeleteQSO, 0);
    EXPECT_FALSE(log->UndoItemAvailable());
    EXPECT_EQ(log->Undo(), TUndoOutcome::NothingToUndo);

    log->SetUndoEnabled(true);
    log->SetUndoGroupingEnabled(true);
    log->SetUndoGroupingEnabled(false);
    EXPECT_FALSE(log->UndoItemAvailable()) << "an empty group is not a step";

    log->PushUndo(ueaChangeQSO, 99);  // no such line: nothing to record
    EXPECT_FALSE(log->UndoItemAvailable());

    log->PushUndo(ueaChangeQSO, 0);
    log->QSOs(0)->SetCall("DL1A");
    EXPECT_TRUE(log->DropUndoIfUnchanged(0)) << "an edit that changed nothing leaves no step";
    log->PushUndo(ueaChangeQSO, 0);
    log->QSOs(0)->SetSentNumbers(0, "x");
    EXPECT_FALSE(log->DropUndoIfUnchanged(0));
    EXPECT_EQ(log->Undo(), TUndoOutcome::LinesChanged);
    EXPECT_EQ(log->QSOs(0)->SentNumbers(0), "");

    log->PushUndo(ueaChangeQSO, 0);
    log->ClearUndoList();
    EXPECT_TRUE(log->UndoEnabled());
    EXPECT_FALSE(log->UndoItemAvailable());
    log->SetUndoEnabled(false);
    EXPECT_EQ(log->GetUndoPeek(), nullptr);
}

TEST(Undo, DeletingSelectedLinesComesBackInPlaceAsOneStep) {
    auto log = MakeLog(1, 1, 0, Six());
    for (const char* c : {"A1", "B1", "C1", "D1", "E1"}) AddLine(*log, c, b20m, mCW, 0);
    log->SetUndoEnabled(true);
    const TQSO* second = log->QSOs(1);
    for (int i : {1, 2, 4}) log->QSOs(i)->SetSelected(true);
    EXPECT_EQ(log->DeleteAllSelected(), 3);
    EXPECT_EQ(Calls(*log), (std::vector<std::string>{"A1", "D1"}));
    EXPECT_EQ(log->Undo(), TUndoOutcome::ListChanged);
    EXPECT_EQ(Calls(*log), (std::vector<std::string>{"A1", "B1", "C1", "D1", "E1"}));
    EXPECT_EQ(log->QSOs(1), second) << "the deleted line itself comes back";
    EXPECT_FALSE(log->UndoItemAvailable());
}

TEST(Undo, SortIsAPermutationThatLaterDeletionsCannotBreak) {
    auto log = MakeLog(1, 1, 0, Six());
    AddLine(*log, "C1", b20m, mCW, 30);
    AddLine(*log, "A1", b20m, mCW, 10);
    AddLine(*log, "B1", b20m, mCW, 20);
    AddLine(*log, "A2", b20m, mCW, 10);
    std::vector<const TQSO*> before;
    for (int i = 0; i < 4; ++i) before.push_back(log->QSOs(i));
    log->SetUndoEnabled(true);
    log->SortByTime();
    EXPECT_EQ(Calls(*log), (std::vector<std::string>{"A1", "A2", "B1", "C1"}));
    // A deletion after the sort destroys a line the sort moved; undoing both must
    // neither touch the destroyed line nor lose the restored copy.
    log->DeleteQSO(0, true);
    log->QSOs(0)->SetSelected(true);
    log->SetMode4SelectedQSOs(mSSB);
    log->Undo();
    log->Undo();
    EXPECT_EQ(Calls(*log), (std::vector<std::string>{"A1", "A2", "B1", "C1"}));
    EXPECT_EQ(log->QSOs(1)->Mode(), mCW);
    log->Undo();
    EXPECT_EQ(Calls(*log), (std::vector<std::string>{"C1", "A1", "B1", "A2"}));
    EXPECT_EQ(log->QSOs(0), before[0]);
    EXPECT_EQ(log->QSOs(2), before[2]);
}

TEST(Undo, OperationsNestInsideACallersGroup) {
    auto log = MakeLog(1, 1, 0, Six());
    AddLine(*log, "", b20m, mCW, 5);
    AddLine(*log, "C1", b20m, mCW, 9);
    AddLine(*log, "B1", b20m, mCW, 1);
    AddLine(*log, "", b20m, mCW, 0);
    log->SetUndoEnabled(true);
    // The editor's compile: empties removed and the log sorted in one step.
    log->SetUndoGroupingEnabled(true);
    EXPECT_EQ(log->DeleteAllEmpties(), 2);
    log->SortByTime();
    log->SetUndoGroupingEnabled(false);
    ASSERT_NE(log->GetUndoPeek(), nullptr);
    EXPECT_EQ(log->GetUndoPeek()->Count(), 3);
    log->Undo();
    EXPECT_EQ(log->NoOfQSOs(), 4);
    EXPECT_FALSE(log->UndoItemAvailable());
}

TEST(Undo, ClearingFlagsAndSettingTheModeAreUndone) {
    auto log = MakeLog(1, 1, 0, Six());
    AddLine(*log, "DL1A", b20m, mCW, 0);
    AddLine(*log, "DL1B", b20m, mCW, 1);
    log->QSOs(0)->SetQSOFlags({qfSentQTC});
    log->QSOs(1)->IncludeFlag(qfQuestionable);
    log->QSOs(1)->SetRcvdNumbers(0, "14");
    const std::string before = Dump(*log);
    log->SetUndoEnabled(true);
    EXPECT_EQ(log->ClearAllFlags(), 2);
    log->QSOs(1)->SetSelected(true);
    log->SetMode4SelectedQSOs(mSSB);
    log->SetUserDeleted4SelectedQSOs(true);
    EXPECT_EQ(log->QSOs(1)->SentRST(), "59");
    while (log->UndoItemAvailable()) log->Undo();
    EXPECT_EQ(Dump(*log), before);
}

TEST(Undo, UndoAfterSavingGivesBackTheStoredBytes) {
    auto log = MakeLog(2, 2, 0, Six());
    AddLine(*log, "DL1A", b20m, mCW, 0, {"1", "2"});
    AddLine(*log, "DL1B", b40m, mCW, 3, {"3", "4"});
    log->QSOs(1)->SetComment({"note"});
    const std::string stored = Records(*log);
    log->SetUndoEnabled(true);
    log->QSOs(0)->SetSelected(true);
    log->SetTimeDifference(0, 1, 0);
    const std::string saved = Records(*log);  // what a save writes now
    EXPECT_NE(saved, stored);
    log->Undo();
    EXPECT_EQ(Records(*log), stored);
    EXPECT_EQ(log->Undo(), TUndoOutcome::NothingToUndo);
    EXPECT_EQ(Records(*log), stored);
}

// Random edits of every kind the log records, then undoing every step: the lines must
// come back exactly, byte for byte in the native file.
TEST(Undo, UndoingEveryStepOfRandomEditsRestoresTheLog) {
    std::mt19937 rng(20260105);
    auto pick = [&rng](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
    const char* calls[] = {"DL1ABC", "DL1ABC/P", "W1AW", "G3XYZ", "", "JA1ZZZ", "DL2XX/M", "DL2XX"};
    for (int round = 0; round < 300; ++round) {
        auto log = MakeLog(2, 3, 2, Six());
        const int start = pick(6);
        for (int i = 0; i < start; ++i)
            AddLine(*log, calls[pick(8)], pick(2) ? b20m : b40m, mCW, pick(600), {"5", pick(2) ? "14" : "15", "x"});
        for (int i = 0; i < log->NoOfQSOs(); ++i) log->QSOs(i)->SetSentNumbers(0, Format("%.3d", i + 1));
        log->SetUndoEnabled(true);
        const std::string before = Dump(*log);
        const std::string bytes = Records(*log);
        for (int step = 0, steps = 1 + pick(12); step < steps; ++step) {
            const int n = log->NoOfQSOs();
            const int i = n > 0 ? pick(n) : 0;
            for (int k = 0; k < n; ++k) log->QSOs(k)->SetSelected(pick(3) == 0);
            if (pick(8) == 0) log->SetUndoGroupingEnabled(!log->UndoGroupingEnabled());
            switch (pick(15)) {
                case 0:
                    if (n > 0) {
                        log->PushUndo(ueaChangeQSO, i);
                        TQSO& q = *log->QSOs(i);
                        q.SetChangedCall(calls[pick(7)]);
                        q.SetChangedNumber(cpRcvdNumber, pick(3), std::to_string(pick(30)));
                        q.SetChangedTime(Format("%.2d%.2d", pick(24), pick(60)));
                        if (pick(4) == 0) q.SetComment({"c" + std::to_string(pick(9))});
                        if (pick(4) == 0) q.SetChangedQTCFlag(pick(3), true);
                        log->DropUndoIfUnchanged(i);
                    }
                    break;
                case 1: {
                    auto q = log->NewQSO(true);
                    q->SetChangedCall(calls[pick(7)]);
                    q->SetDateTime(EncodeDate(2013, 1, 5) + pick(600) / 1440.0);
                    const int at = pick(n + 1);
                    log->InsertQSO(at, std::move(q));
                    log->PushUndo(ueaAddQSO, std::min(at, n));
                    break;
                }
                case 2: log->DeleteQSO(i, true); break;
                case 3: log->MoveQSO(i, n > 0 ? pick(n) : 0, true); break;
                case 4: log->SortByTime(); break;
                case 5: log->DeleteAllSelected(); break;
                case 6: log->DeleteAllEmpties(); break;
                case 7: log->SetTimeDifference(pick(800) - 400, pick(48) - 24, pick(120) - 60); break;
                case 8:
                    log->SetSentNumbers(pick(2) ? smSetFixNumber : smSetContiuouslyNumber, std::to_string(pick(100)),
                                        pick(2), pick(2));
                    break;
                case 9: log->SetMode4SelectedQSOs(static_cast<TMode>(pick(mEndOfList))); break;
                case 10: log->ClearAllFlags(); break;
                case 11: log->SetUserDeleted4SelectedQSOs(pick(2)); break;
                case 12: log->Check4MissingExtensions(true, cecPortable); break;
                case 13: log->PasteFromClipboard(log->CopyToClipboard(i)); break;
                case 14: log->Compile(); break;
            }
        }
        log->SetUndoGroupingEnabled(false);
        const std::string edited = Dump(*log);
        while (log->UndoItemAvailable()) log->Undo();
        ASSERT_EQ(Dump(*log), before) << "round " << round;
        ASSERT_EQ(Records(*log), bytes) << "round " << round;
        // Redo makes every change again, and the redone steps are undone as the first.
        while (log->RedoItemAvailable()) log->Redo();
        ASSERT_EQ(Dump(*log), edited) << "round " << round;
        while (log->UndoItemAvailable()) log->Undo();
        ASSERT_EQ(Dump(*log), before) << "round " << round;
    }
}

TEST(Undo, ACompileOfASortedLogLeavesNoStepAndANewChangeEndsRedo) {
    auto log = MakeLog(1, 1, 0, Six());
    AddLine(*log, "A1", b20m, mCW, 10);
    AddLine(*log, "B1", b20m, mCW, 20);
    AddLine(*log, "C1", b20m, mCW, 20);
    log->SetUndoEnabled(true);
    log->Compile();
    EXPECT_FALSE(log->UndoItemAvailable()) << "sorting lines already in order changes nothing";

    log->DeleteQSO(1, true);
    log->Compile();
    log->Undo();
    EXPECT_EQ(Calls(*log), (std::vector<std::string>{"A1", "B1", "C1"})) << "one Undo takes back the deletion";
    EXPECT_TRUE(log->RedoItemAvailable());
    EXPECT_EQ(log->Redo(), TUndoOutcome::ListChanged);
    EXPECT_EQ(Calls(*log), (std::vector<std::string>{"A1", "C1"}));
    log->Undo();
    log->PushUndo(ueaChangeQSO, 0);
    EXPECT_FALSE(log->RedoItemAvailable());
    EXPECT_EQ(log->Redo(), TUndoOutcome::NothingToUndo);
}

}  // namespace
}  // namespace qz
