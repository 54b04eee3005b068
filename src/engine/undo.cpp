// Undo entries and the contest log's history: recording, grouping and reversing.
#include "engine/undo.h"

#include "engine/contestlog.h"

#include <utility>

#include "base/frontend.h"
#include "base/language.h"
#include "base/lsnumbers.h"

namespace qz {

TSingleUndo::TSingleUndo(TUndoEnabledAction action, const TQSO& line, int qsoIndex)
    // A value copy keeps every field (points, multipliers, entry marks), so a reversal
    // gives the line back exactly, which a field-wise CopyFrom would not.
    : FUndoEnabledAction(action), FQSOIndex(qsoIndex), FLastQSO(std::make_unique<TQSO>(line)) {}

TSingleUndo::TSingleUndo(int qsoIndex, std::unique_ptr<TQSO> deletedLine)
    : FUndoEnabledAction(ueaDeleteQSO), FQSOIndex(qsoIndex), FLastQSO(std::move(deletedLine)) {}

TSingleUndo::TSingleUndo(int qsoIndex) : FUndoEnabledAction(ueaAddQSO), FQSOIndex(qsoIndex) {}

TSingleUndo::TSingleUndo(int oldIndex, int newIndex)
    : FUndoEnabledAction(ueaMoveQSO), FQSOIndex(oldIndex), FQSOIndexAfterMove(newIndex) {}

TSingleUndo::TSingleUndo(std::vector<std::int32_t> permutation)
    : FUndoEnabledAction(ueaSortList), FPermutation(std::move(permutation)) {}

TSingleUndo::TSingleUndo(const TFileHeader& header)
    : FUndoEnabledAction(ueaChangeHeader), FHeader(std::make_unique<TFileHeader>(header)) {}

TSingleUndo::TSingleUndo(std::unique_ptr<TContestLog> replaced)
    : FUndoEnabledAction(ueaReplaceLog), FLog(std::move(replaced)) {}

TSingleUndo::TSingleUndo(TSingleUndo&&) noexcept = default;
TSingleUndo& TSingleUndo::operator=(TSingleUndo&&) noexcept = default;
TSingleUndo::~TSingleUndo() = default;

std::unique_ptr<TContestLog> TSingleUndo::TakeLog() { return std::move(FLog); }

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

void TUndoHistory::SetEnabled(bool value) {
    if (value == FEnabled) return;
    FEnabled = value;
    FGroup.reset();
    FUndo.clear();
    FRedo.clear();
}

void TUndoHistory::SetGrouping(bool value) {
    if (!FEnabled || value == Grouping()) return;
    if (value) {
        FGroup = std::make_unique<TUndoAction>();
        return;
    }
    if (!FGroup->Empty()) FUndo.push_back(std::move(FGroup));
    FGroup.reset();
}

bool TUndoHistory::BeginGroup() {
    if (!FEnabled || Grouping()) return false;
    SetGrouping(true);
    return true;
}

void TUndoHistory::EndGroup(bool opened) {
    if (opened) SetGrouping(false);
}

void TUndoHistory::Record(TSingleUndo entry) {
    if (!FEnabled) return;
    FRedo.clear();
    if (FGroup) {
        FGroup->Add(std::move(entry));
        return;
    }
    auto step = std::make_unique<TUndoAction>();
    step->Add(std::move(entry));
    FUndo.push_back(std::move(step));
}

void TUndoHistory::Pop() {
    if (CanUndo()) FUndo.pop_back();
}

void TUndoHistory::Clear() {
    if (!FEnabled) return;
    SetEnabled(false);
    SetEnabled(true);
}

std::unique_ptr<TUndoAction> TUndoHistory::TakeUndoStep() {
    if (!CanUndo()) return nullptr;
    auto step = std::move(FUndo.back());
    FUndo.pop_back();
    return step;
}

std::unique_ptr<TUndoAction> TUndoHistory::TakeRedoStep() {
    if (!CanRedo()) return nullptr;
    auto step = std::move(FRedo.back());
    FRedo.pop_back();
    return step;
}

void TUndoHistory::PushUndoStep(std::unique_ptr<TUndoAction> step) {
    if (FEnabled && step && !step->Empty()) FUndo.push_back(std::move(step));
}

void TUndoHistory::PushRedoStep(std::unique_ptr<TUndoAction> step) {
    if (FEnabled && step && !step->Empty()) FRedo.push_back(std::move(step));
}

}  // namespace qz
