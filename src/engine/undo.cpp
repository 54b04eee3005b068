// Undo entries and the contest log's history: recording, grouping and reversing.
#include "engine/undo.h"

#include <utility>

#include "base/frontend.h"
#include "base/language.h"
#include "base/lsnumbers.h"

namespace qz {

namespace {

bool IsPermutation(const std::vector<std::int32_t>& perm, int n) {
    if (perm.size() != static_cast<std::size_t>(n)) return false;
    std::vector<bool> seen(perm.size());
    for (std::int32_t p : perm) {
        if (p < 0 || p >= n || seen[static_cast<std::size_t>(p)]) return false;
        seen[static_cast<std::size_t>(p)] = true;
    }
    return true;
}

}  // namespace

TSingleUndo::TSingleUndo(TUndoEnabledAction action, const TContestLog& log, int qsoIndex)
    : FUndoEnabledAction(action), FQSOIndex(qsoIndex) {
    // A value copy keeps every field (points, multipliers, entry marks), so a reversal
    // gives the line back exactly, which a field-wise CopyFrom would not.
    if (const TQSO* q = log.QSOs(qsoIndex)) FLastQSO = std::make_unique<TQSO>(*q);
}

TSingleUndo::TSingleUndo(int qsoIndex, std::unique_ptr<TQSO> deletedLine)
    : FUndoEnabledAction(ueaDeleteQSO), FQSOIndex(qsoIndex), FLastQSO(std::move(deletedLine)) {}

TSingleUndo::TSingleUndo(int qsoIndex) : FUndoEnabledAction(ueaAddQSO), FQSOIndex(qsoIndex) {}

TSingleUndo::TSingleUndo(int oldIndex, int newIndex)
    : FUndoEnabledAction(ueaMoveQSO), FQSOIndex(oldIndex), FQSOIndexAfterMove(newIndex) {}

TSingleUndo::TSingleUndo(std::vector<std::int32_t> permutation)
    : FUndoEnabledAction(ueaSortList), FPermutation(std::move(permutation)) {}

bool SameLineData(const TQSO& a, const TQSO& b) {
    if (a.Band() != b.Band() || a.Mode() != b.Mode() || !(a.DateTime() == b.DateTime()) ||
        a.Call().Call() != b.Call().Call() || a.SentRST() != b.SentRST() || a.RcvdRST() != b.RcvdRST() ||
        !(a.QSOFlags() == b.QSOFlags()) || a.TimeHasBeenSet() != b.TimeHasBeenSet() || a.Comment() != b.Comment())
        return false;
    const TQSOOwner* owner = a.Owner() ? a.Owner() : b.Owner();
    const int sent = owner ? owner->NoOfSentNumbers() : 0;
    const int rcvd = owner ? owner->NoOfRcvdNumbers() : 0;
    for (int i = 0; i < sent; ++i)
        if (a.SentNumbers(i) != b.SentNumbers(i)) return false;
    for (int i = 0; i < rcvd; ++i)
        if (a.RcvdNumbers(i) != b.RcvdNumbers(i) || a.RcvdHasBeenSet(i) != b.RcvdHasBeenSet(i)) return false;
    return true;
}

// --- The log's history -----------------------------------------------------------------

void TContestLog::SetUndoEnabled(bool value) {
    if (value == FUndoEnabled) return;
    FUndoEnabled = value;
    FUndoGroupingEnabled = false;
    FUndoAction.reset();
    if (value) {
        FUndoActionList = std::make_unique<TUndoActionList>();
        FRedoActionList = std::make_unique<TUndoActionList>();
    } else {
        FUndoActionList.reset();
        FRedoActionList.reset();
    }
}

void TContestLog::SetUndoGroupingEnabled(bool value) {
    if (!UndoRecording()) {
        FUndoGroupingEnabled = false;
        return;
    }
    if (value == FUndoGroupingEnabled) return;
    FUndoGroupingEnabled = value;
    if (value) {
        FUndoAction = std::make_unique<TUndoAction>();
    } else if (FUndoAction) {
        if (!FUndoAction->Empty()) FUndoActionList->Push(std::move(FUndoAction));
        FUndoAction.reset();
    }
}

bool TContestLog::UndoBeginGroup() {
    if (!UndoRecording() || FUndoGroupingEnabled) return false;
    SetUndoGroupingEnabled(true);
    return true;
}

void TContestLog::UndoEndGroup(bool opened) {
    if (opened) SetUndoGroupingEnabled(false);
}

bool TContestLog::UndoItemAvailable() const { return FUndoEnabled && FUndoActionList && FUndoActionList->Count() > 0; }

void TContestLog::PushUndoEntry(TSingleUndo entry) {
    if (!UndoRecording()) return;
    // A new change ends what can be redone: the undone steps no longer fit the lines.
    ClearRedoList();
    if (FUndoGroupingEnabled && FUndoAction) {
        FUndoAction->Add(std::move(entry));
        return;
    }
    auto step = std::make_unique<TUndoAction>();
    step->Add(std::move(entry));
    FUndoActionList->Push(std::move(step));
}

void TContestLog::PushUndo(TUndoEnabledAction action, int oldIndex, int newIndex) {
    if (!UndoRecording()) return;
    switch (action) {
        case ueaAddQSO: PushUndoEntry(TSingleUndo(oldIndex)); break;
        case ueaMoveQSO: PushUndoEntry(TSingleUndo(oldIndex, newIndex)); break;
        case ueaChangeQSO:
        case ueaDeleteQSO:
            // A copy of a line that does not exist could not be reversed.
            if (QSOs(oldIndex)) PushUndoEntry(TSingleUndo(action, *this, oldIndex));
            break;
        case ueaSortList: break;
    }
}

const TUndoAction* TContestLog::GetUndoPeek() const { return UndoItemAvailable() ? FUndoActionList->Peek() : nullptr; }

void TContestLog::PopUndoPeek() {
    if (UndoItemAvailable()) FUndoActionList->Pop();
}

void TContestLog::ClearUndoList() {
    if (!FUndoEnabled) return;
    SetUndoEnabled(false);
    SetUndoEnabled(true);
}

TUndoOutcome TContestLog::ReverseStep(TUndoAction& step, TUndoAction& inverse) {
    TUndoOutcome outcome = TUndoOutcome::LinesChanged;
    const int n0 = NoOfQSOs();
    for (int k = step.Count() - 1; k >= 0; --k) {
        TSingleUndo& e = step.Items(k);
        const int n = NoOfQSOs();
        switch (e.UndoEnabledAction()) {
            case ueaChangeQSO:
                if (TQSO* q = QSOs(e.QSOIndex()); q && e.LastQSO()) {
                    inverse.Add(TSingleUndo(ueaChangeQSO, *this, e.QSOIndex()));
                    // The selection is the editor's view state, not part of the edit.
                    const bool selected = q->Selected();
                    *q = *e.LastQSO();
                    q->SetSelected(selected);
                }
                break;
            case ueaAddQSO:
                if (auto line = TakeQSO(e.QSOIndex())) inverse.Add(TSingleUndo(e.QSOIndex(), std::move(line)));
                break;
            case ueaDeleteQSO:
                if (e.LastQSO() && e.QSOIndex() >= 0 && e.QSOIndex() <= n) {
                    auto line = e.TakeLastQSO();
                    line->SetSelected(false);
                    FQSOList.insert(FQSOList.begin() + e.QSOIndex(), std::move(line));
                    inverse.Add(TSingleUndo(e.QSOIndex()));
                }
                break;
            case ueaMoveQSO:
                MoveQSO(e.QSOIndexAfterMoved(), e.QSOIndex(), false);
                inverse.Add(TSingleUndo(e.QSOIndexAfterMoved(), e.QSOIndex()));
                break;
            case ueaSortList: {
                const auto& perm = e.Permutation();
                // Every later change was undone before, so the list has the sorted
                // length again; anything else is left alone rather than scrambled.
                if (!IsPermutation(perm, n)) break;
                std::vector<std::unique_ptr<TQSO>> restored(perm.size());
                std::vector<std::int32_t> back(perm.size());
                for (std::size_t i = 0; i < perm.size(); ++i) {
                    restored[static_cast<std::size_t>(perm[i])] = std::move(FQSOList[i]);
                    back[static_cast<std::size_t>(perm[i])] = static_cast<std::int32_t>(i);
                }
                FQSOList.swap(restored);
                inverse.Add(TSingleUndo(std::move(back)));
                outcome = TUndoOutcome::ListChanged;
                break;
            }
        }
        if (e.UndoEnabledAction() != ueaChangeQSO) outcome = TUndoOutcome::ListChanged;
    }
    if (NoOfQSOs() != n0) outcome = TUndoOutcome::ListChanged;
    return outcome;
}

TUndoOutcome TContestLog::Undo() {
    // A step still being filled is closed first, so that it is the one undone.
    if (FUndoGroupingEnabled) SetUndoGroupingEnabled(false);
    TUndoAction* step = UndoItemAvailable() ? FUndoActionList->Peek() : nullptr;
    if (!step) {
        ShowInfoMessage(LS(lsNothingToUndo));
        return TUndoOutcome::NothingToUndo;
    }
    auto redo = std::make_unique<TUndoAction>();
    const TUndoOutcome outcome = ReverseStep(*step, *redo);
    FUndoActionList->Pop();
    if (!redo->Empty()) FRedoActionList->Push(std::move(redo));
    return outcome;
}

bool TContestLog::RedoItemAvailable() const { return FUndoEnabled && FRedoActionList && FRedoActionList->Count() > 0; }

TUndoOutcome TContestLog::Redo() {
    if (FUndoGroupingEnabled) SetUndoGroupingEnabled(false);
    TUndoAction* step = RedoItemAvailable() ? FRedoActionList->Peek() : nullptr;
    if (!step) return TUndoOutcome::NothingToUndo;
    auto undo = std::make_unique<TUndoAction>();
    const TUndoOutcome outcome = ReverseStep(*step, *undo);
    FRedoActionList->Pop();
    if (!undo->Empty()) FUndoActionList->Push(std::move(undo));
    return outcome;
}

void TContestLog::ClearRedoList() {
    if (FRedoActionList) FRedoActionList = std::make_unique<TUndoActionList>();
}

bool TContestLog::DropUndoIfUnchanged(int qsoIndex) {
    const TUndoAction* step = GetUndoPeek();
    const TQSO* q = QSOs(qsoIndex);
    if (!step || !q || step->Empty()) return false;
    const TSingleUndo& first = step->Items(0);
    if (first.UndoEnabledAction() != ueaChangeQSO || first.QSOIndex() != qsoIndex || !first.LastQSO()) return false;
    if (!SameLineData(*q, *first.LastQSO())) return false;
    FUndoActionList->Pop();
    return true;
}

}  // namespace qz
