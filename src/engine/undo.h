// The undo history of a contest log: single entries that each reverse one elementary
// change of the line list, steps that group them, and the stack of steps.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "domain/qso.h"
#include "engine/contestlog.h"

namespace qz {

// One elementary change and what is needed to reverse it.
class TSingleUndo {
public:
    // ueaChangeQSO or ueaDeleteQSO: keeps a copy of line `qsoIndex` of `log` (which
    // must exist).
    TSingleUndo(TUndoEnabledAction action, const TContestLog& log, int qsoIndex);
    // ueaDeleteQSO for a line already taken out of the list at `qsoIndex`.
    TSingleUndo(int qsoIndex, std::unique_ptr<TQSO> deletedLine);
    // ueaAddQSO: the line added at `qsoIndex`.
    explicit TSingleUndo(int qsoIndex);
    // ueaMoveQSO: a line moved from `oldIndex` to `newIndex`.
    TSingleUndo(int oldIndex, int newIndex);
    // ueaSortList: the line now at i stood at `permutation[i]` before the sort. Kept as
    // positions, not line references, so later deletions cannot leave it dangling.
    explicit TSingleUndo(std::vector<std::int32_t> permutation);

    TUndoEnabledAction UndoEnabledAction() const { return FUndoEnabledAction; }
    std::int32_t QSOIndex() const { return FQSOIndex; }
    std::int32_t QSOIndexAfterMoved() const { return FQSOIndexAfterMove; }
    // The line as it was before a change or deletion; nullptr for other kinds.
    const TQSO* LastQSO() const { return FLastQSO.get(); }
    // Hands the saved line over (a deletion being undone); the entry keeps none after.
    std::unique_ptr<TQSO> TakeLastQSO() { return std::move(FLastQSO); }
    const std::vector<std::int32_t>& Permutation() const { return FPermutation; }

private:
    TUndoEnabledAction FUndoEnabledAction;
    std::int32_t FQSOIndex = -1;
    std::int32_t FQSOIndexAfterMove = -1;
    std::unique_ptr<TQSO> FLastQSO;
    std::vector<std::int32_t> FPermutation;
};

// One undo step: the entries recorded together, oldest first.
class TUndoAction {
public:
    void Add(TSingleUndo entry) { FEntries.push_back(std::move(entry)); }
    int Count() const { return static_cast<int>(FEntries.size()); }
    bool Empty() const { return FEntries.empty(); }
    const TSingleUndo& Items(int i) const { return FEntries[static_cast<std::size_t>(i)]; }
    TSingleUndo& Items(int i) { return FEntries[static_cast<std::size_t>(i)]; }

private:
    std::vector<TSingleUndo> FEntries;
};

// The stack of undo steps, newest on top.
class TUndoActionList {
public:
    void Push(std::unique_ptr<TUndoAction> step) { FSteps.push_back(std::move(step)); }
    int Count() const { return static_cast<int>(FSteps.size()); }
    // The newest step, or nullptr.
    TUndoAction* Peek() const { return FSteps.empty() ? nullptr : FSteps.back().get(); }
    void Pop() {
        if (!FSteps.empty()) FSteps.pop_back();
    }

private:
    std::vector<std::unique_ptr<TUndoAction>> FSteps;
};

// Whether two lines hold exactly the same data: every field the native file keeps and
// the time and received-number entry marks, with letter case counting.
bool SameLineData(const TQSO& a, const TQSO& b);

}  // namespace qz
