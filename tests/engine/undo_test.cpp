#include "engine/undo.h"

#include <gtest/gtest.h>

#include <random>

#include "base/datetime.h"
#include "base/text.h"
#include "engine/bulkedits.h"
#include "engine/checks.h"
#include "engine/clipboard.h"
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
    EXPECT_FALSE(log->History().CanUndo());
    EXPECT_EQ(log->Undo(), TUndoOutcome::NothingToUndo);

    log->History().SetEnabled(true);
    log->History().SetGrouping(true);
    log->History().SetGrouping(false);
    EXPECT_FALSE(log->History().CanUndo()) << "an empty group is not a step";

    log->PushUndo(ueaChangeQSO, 99);  // no such line: nothing to record
    EXPECT_FALSE(log->History().CanUndo());

    log->PushUndo(ueaChangeQSO, 0);
    log->QSOs(0)->SetCall("DL1A");
    EXPECT_TRUE(log->DropUndoIfUnchanged(0)) << "an edit that changed nothing leaves no step";
    log->PushUndo(ueaChangeQSO, 0);
    log->QSOs(0)->SetSentNumbers(0, "x");
    EXPECT_FALSE(log->DropUndoIfUnchanged(0));
    EXPECT_EQ(log->Undo(), TUndoOutcome::LinesChanged);
    EXPECT_EQ(log->QSOs(0)->SentNumbers(0), "");

    log->PushUndo(ueaChangeQSO, 0);
    log->History().Clear();
    EXPECT_TRUE(log->History().Enabled());
    EXPECT_FALSE(log->History().CanUndo());
    log->History().SetEnabled(false);
    EXPECT_EQ(log->History().Peek(), nullptr);
}

TEST(Undo, DeletingSelectedLinesComesBackInPlaceAsOneStep) {
    auto log = MakeLog(1, 1, 0, Six());
    for (const char* c : {"A1", "B1", "C1", "D1", "E1"}) AddLine(*log, c, b20m, mCW, 0);
    log->History().SetEnabled(true);
    const TQSO* second = log->QSOs(1);
    for (int i : {1, 2, 4}) log->QSOs(i)->SetSelected(true);
    EXPECT_EQ(log->DeleteAllSelected(), 3);
    EXPECT_EQ(Calls(*log), (std::vector<std::string>{"A1", "D1"}));
    EXPECT_EQ(log->Undo(), TUndoOutcome::ListChanged);
    EXPECT_EQ(Calls(*log), (std::vector<std::string>{"A1", "B1", "C1", "D1", "E1"}));
    EXPECT_EQ(log->QSOs(1), second) << "the deleted line itself comes back";
    EXPECT_FALSE(log->History().CanUndo());
}

TEST(Undo, SortIsAPermutationThatLaterDeletionsCannotBreak) {
    auto log = MakeLog(1, 1, 0, Six());
    AddLine(*log, "C1", b20m, mCW, 30);
    AddLine(*log, "A1", b20m, mCW, 10);
    AddLine(*log, "B1", b20m, mCW, 20);
    AddLine(*log, "A2", b20m, mCW, 10);
    std::vector<const TQSO*> before;
    for (int i = 0; i < 4; ++i) before.push_back(log->QSOs(i));
    log->History().SetEnabled(true);
    log->SortByTime();
    EXPECT_EQ(Calls(*log), (std::vector<std::string>{"A1", "A2", "B1", "C1"}));
    // A deletion after the sort destroys a line the sort moved; undoing both must
    // neither touch the destroyed line nor lose the restored copy.
    log->DeleteQSO(0, true);
    log->QSOs(0)->SetSelected(true);
    SetMode4SelectedQSOs(*log, mSSB);
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
    log->History().SetEnabled(true);
    // The editor's compile: empties removed and the log sorted in one step.
    log->History().SetGrouping(true);
    EXPECT_EQ(log->DeleteAllEmpties(), 2);
    log->SortByTime();
    log->History().SetGrouping(false);
    ASSERT_NE(log->History().Peek(), nullptr);
    EXPECT_EQ(log->History().Peek()->Count(), 3);
    log->Undo();
    EXPECT_EQ(log->NoOfQSOs(), 4);
    EXPECT_FALSE(log->History().CanUndo());
}

TEST(Undo, ClearingFlagsAndSettingTheModeAreUndone) {
    auto log = MakeLog(1, 1, 0, Six());
    AddLine(*log, "DL1A", b20m, mCW, 0);
    AddLine(*log, "DL1B", b20m, mCW, 1);
    log->QSOs(0)->SetQSOFlags({qfSentQTC});
    log->QSOs(1)->IncludeFlag(qfQuestionable);
    log->QSOs(1)->SetRcvdNumbers(0, "14");
    const std::string before = Dump(*log);
    log->History().SetEnabled(true);
    EXPECT_EQ(ClearAllFlags(*log), 2);
    log->QSOs(1)->SetSelected(true);
    SetMode4SelectedQSOs(*log, mSSB);
    SetUserDeleted4SelectedQSOs(*log, true);
    EXPECT_EQ(log->QSOs(1)->SentRST(), "59");
    while (log->History().CanUndo()) log->Undo();
    EXPECT_EQ(Dump(*log), before);
}

TEST(Undo, UndoAfterSavingGivesBackTheStoredBytes) {
    auto log = MakeLog(2, 2, 0, Six());
    AddLine(*log, "DL1A", b20m, mCW, 0, {"1", "2"});
    AddLine(*log, "DL1B", b40m, mCW, 3, {"3", "4"});
    log->QSOs(1)->SetComment({"note"});
    const std::string stored = Records(*log);
    log->History().SetEnabled(true);
    log->QSOs(0)->SetSelected(true);
    SetTimeDifference(*log, 0, 1, 0);
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
        log->History().SetEnabled(true);
        const std::string before = Dump(*log);
        const std::string bytes = Records(*log);
        for (int step = 0, steps = 1 + pick(12); step < steps; ++step) {
            const int n = log->NoOfQSOs();
            const int i = n > 0 ? pick(n) : 0;
            for (int k = 0; k < n; ++k) log->QSOs(k)->SetSelected(pick(3) == 0);
            if (pick(8) == 0) log->History().SetGrouping(!log->History().Grouping());
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
                case 7: SetTimeDifference(*log, pick(800) - 400, pick(48) - 24, pick(120) - 60); break;
                case 8:
                    SetSentNumbers(*log, pick(2) ? smSetFixNumber : smSetContiuouslyNumber, std::to_string(pick(100)),
                                   pick(2), pick(2));
                    break;
                case 9: SetMode4SelectedQSOs(*log, static_cast<TMode>(pick(mEndOfList))); break;
                case 10: ClearAllFlags(*log); break;
                case 11: SetUserDeleted4SelectedQSOs(*log, pick(2)); break;
                case 12: Check4MissingExtensions(*log, true, cecPortable); break;
                case 13: PasteFromClipboard(*log, CopyToClipboard(*log, i)); break;
                case 14: log->Compile(); break;
            }
        }
        log->History().SetGrouping(false);
        const std::string edited = Dump(*log);
        while (log->History().CanUndo()) log->Undo();
        ASSERT_EQ(Dump(*log), before) << "round " << round;
        ASSERT_EQ(Records(*log), bytes) << "round " << round;
        // Redo makes every change again, and the redone steps are undone as the first.
        while (log->History().CanRedo()) log->Redo();
        ASSERT_EQ(Dump(*log), edited) << "round " << round;
        while (log->History().CanUndo()) log->Undo();
        ASSERT_EQ(Dump(*log), before) << "round " << round;
    }
}

TEST(Undo, ACompileOfASortedLogLeavesNoStepAndANewChangeEndsRedo) {
    auto log = MakeLog(1, 1, 0, Six());
    AddLine(*log, "A1", b20m, mCW, 10);
    AddLine(*log, "B1", b20m, mCW, 20);
    AddLine(*log, "C1", b20m, mCW, 20);
    log->History().SetEnabled(true);
    log->Compile();
    EXPECT_FALSE(log->History().CanUndo()) << "sorting lines already in order changes nothing";

    log->DeleteQSO(1, true);
    log->Compile();
    log->Undo();
    EXPECT_EQ(Calls(*log), (std::vector<std::string>{"A1", "B1", "C1"})) << "one Undo takes back the deletion";
    EXPECT_TRUE(log->History().CanRedo());
    EXPECT_EQ(log->Redo(), TUndoOutcome::ListChanged);
    EXPECT_EQ(Calls(*log), (std::vector<std::string>{"A1", "C1"}));
    log->Undo();
    log->PushUndo(ueaChangeQSO, 0);
    EXPECT_FALSE(log->History().CanRedo());
    EXPECT_EQ(log->Redo(), TUndoOutcome::NothingToUndo);
}

// A header change is a step of the log's own history, undone and redone in turn with
// the line changes around it; a change that made a new log (another contest) hands the
// editor the other log, which then holds this one for the opposite command.
TEST(Undo, HeaderChangesAndReplacedLogsAreStepsOfTheHistory) {
    auto log = MakeLog(1, 1, 0, Six());
    AddLine(*log, "A1", b20m, mCW, 10);
    log->History().SetEnabled(true);
    TFileHeader header = log->FileHeader();
    const std::string oldClub = header.fhUser_Club;
    header.fhUser_Club = "Contest Club";
    ASSERT_TRUE(log->ChangeFileHeader(header));
    log->DeleteQSO(0, true);

    EXPECT_EQ(log->Undo(), TUndoOutcome::ListChanged);
    EXPECT_EQ(log->Undo(), TUndoOutcome::HeaderChanged);
    EXPECT_EQ(log->FileHeader().fhUser_Club, oldClub);
    EXPECT_EQ(log->Redo(), TUndoOutcome::HeaderChanged);
    EXPECT_EQ(log->FileHeader().fhUser_Club, "Contest Club");
    EXPECT_EQ(log->Redo(), TUndoOutcome::ListChanged);
    EXPECT_EQ(log->NoOfQSOs(), 0);

    std::unique_ptr<TContestLog> first = std::move(log);
    TContestLog* const firstLog = first.get();
    std::unique_ptr<TContestLog> second = MakeLog(2, 2, 0, Six());
    second->History().SetEnabled(true);
    first->Undo();  // something to redo in the first log, which the replacement ends
    second->RecordReplacing(std::move(first));
    AddLine(*second, "B1", b20m, mCW, 11);
    second->PushUndo(ueaAddQSO, 0);

    EXPECT_EQ(second->Undo(), TUndoOutcome::ListChanged);
    ASSERT_EQ(second->Undo(), TUndoOutcome::LogReplaced);
    TContestLog* const secondLog = second.get();
    std::unique_ptr<TContestLog> back = TContestLog::SwitchLogs(std::move(second), true);
    ASSERT_EQ(back.get(), firstLog);
    EXPECT_EQ(back->NoOfQSOs(), 1);
    std::unique_ptr<TUndoAction> replacement = back->History().TakeRedoStep();
    EXPECT_FALSE(back->History().CanRedo()) << "only the replacement is left to redo";
    back->History().PushRedoStep(std::move(replacement));
    ASSERT_EQ(back->Redo(), TUndoOutcome::LogReplaced);
    std::unique_ptr<TContestLog> forward = TContestLog::SwitchLogs(std::move(back), false);
    ASSERT_EQ(forward.get(), secondLog);
    EXPECT_EQ(forward->Redo(), TUndoOutcome::ListChanged) << "the line added after the change comes back";
    EXPECT_EQ(Calls(*forward), std::vector<std::string>{"B1"});
    // A new change ends the redo list, and with it nothing dangles.
    forward->Undo();
    forward->PushUndo(ueaAddQSO, 0);
    EXPECT_FALSE(forward->History().CanRedo());
    EXPECT_EQ(forward->Undo(), TUndoOutcome::ListChanged);
    ASSERT_EQ(forward->Undo(), TUndoOutcome::LogReplaced);
    EXPECT_EQ(TContestLog::SwitchLogs(std::move(forward), true).get(), firstLog);
}

}  // namespace
}  // namespace qz
