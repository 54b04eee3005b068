// The undo history of a contest log: single entries that each reverse one elementary
// change of the log, steps that group them, and the two stacks of steps (undo and redo).
// Reversing entries needs the log's lines and is done by the log (TContestLog::Undo).
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "domain/defs.h"
#include "domain/qso.h"

namespace qz {

class TContestLog;

enum TUndoEnabledAction : std::uint8_t {
    ueaChangeQSO,
    ueaAddQSO,
    ueaDeleteQSO,
    ueaMoveQSO,
    ueaSortList,
    // The file header was changed in place.
    ueaChangeHeader,
    // The whole log took the place of another one (another contest or country file).
    ueaReplaceLog,
};

// What undoing or redoing the newest step did: nothing (no step), lines changed in place,
// lines added, removed or reordered (a grid must be rebuilt), the header changed (the log
// must be compiled again), or another log takes this one's place (see SwitchLogs).
enum class TUndoOutcome : std::uint8_t { NothingToUndo, LinesChanged, ListChanged, HeaderChanged, LogReplaced };

// One elementary change and what is needed to reverse it.
class TSingleUndo {
public:
    // ueaChangeQSO or ueaDeleteQSO: keeps a copy of `line`, which stands at `qsoIndex`.
    TSingleUndo(TUndoEnabledAction action, const TQSO& line, int qsoIndex);
    // ueaDeleteQSO for a line already taken out of the list at `qsoIndex`.
    TSingleUndo(int qsoIndex, std::unique_ptr<TQSO> deletedLine);
    // ueaAddQSO: the line added at `qsoIndex`.
    explicit TSingleUndo(int qsoIndex);
    // ueaMoveQSO: a line moved from `oldIndex` to `newIndex`.
    TSingleUndo(int oldIndex, int newIndex);
    // ueaSortList: the line now at i stood at `permutation[i]` before the sort. Kept as
    // positions, not line references, so later deletions cannot leave it dangling.
    explicit TSingleUndo(std::vector<std::int32_t> permutation);
    // ueaChangeHeader: the header before the change.
    explicit TSingleUndo(const TFileHeader& header);
    // ueaReplaceLog: the log that was replaced; the entry owns it.
    explicit TSingleUndo(std::unique_ptr<TContestLog> replaced);
    TSingleUndo(TSingleUndo&&) noexcept;
    TSingleUndo& operator=(TSingleUndo&&) noexcept;
    ~TSingleUndo();

    TUndoEnabledAction UndoEnabledAction() const { return FUndoEnabledAction; }
    std::int32_t QSOIndex() const { return FQSOIndex; }
    std::int32_t QSOIndexAfterMoved() const { return FQSOIndexAfterMove; }
    // The line as it was before a change or deletion; nullptr for other kinds.
    const TQSO* LastQSO() const { return FLastQSO.get(); }
    // Hands the saved line over (a deletion being undone); the entry keeps none after.
    std::unique_ptr<TQSO> TakeLastQSO() { return std::move(FLastQSO); }
    const std::vector<std::int32_t>& Permutation() const { return FPermutation; }
    const TFileHeader* Header() const { return FHeader.get(); }
    std::unique_ptr<TContestLog> TakeLog();

private:
    TUndoEnabledAction FUndoEnabledAction;
    std::int32_t FQSOIndex = -1;
    std::int32_t FQSOIndexAfterMove = -1;
    std::unique_ptr<TQSO> FLastQSO;
    std::vector<std::int32_t> FPermutation;
    std::unique_ptr<TFileHeader> FHeader;
    std::unique_ptr<TContestLog> FLog;
};

// One undo step: the entries recorded together, oldest first.
class TUndoAction {
public:
    void Add(TSingleUndo entry) { FEntries.push_back(std::move(entry)); }
    int Count() const { return static_cast<int>(FEntries.size()); }
    bool Empty() const { return FEntries.empty(); }
    const TSingleUndo& Items(int i) const { return FEntries[static_cast<std::size_t>(i)]; }
    TSingleUndo& Items(int i) { return FEntries[static_cast<std::size_t>(i)]; }
    // A step that replaced the whole log is always a step of its own.
    bool ReplacesLog() const { return Count() == 1 && FEntries[0].UndoEnabledAction() == ueaReplaceLog; }

private:
    std::vector<TSingleUndo> FEntries;
};

// The steps that can be undone and those that were undone and can be made again. Off
// until enabled; switching it off drops every step. While grouping is on, recorded
// entries collect in one step, pushed when grouping is switched off.
class TUndoHistory {
public:
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool value);
    bool Grouping() const { return FGroup != nullptr; }
    void SetGrouping(bool value);
    // Opens a group unless one is open already; true when this call opened it, to be
    // handed to EndGroup, so that operations nest inside a caller's group.
    bool BeginGroup();
    void EndGroup(bool opened);
    bool Recording() const { return FEnabled; }

    // Records an entry of a new change; the undone steps no longer fit the log and go.
    void Record(TSingleUndo entry);
    bool CanUndo() const { return FEnabled && !FUndo.empty(); }
    bool CanRedo() const { return FEnabled && !FRedo.empty(); }
    // The newest step, or nullptr.
    const TUndoAction* Peek() const { return CanUndo() ? FUndo.back().get() : nullptr; }
    const TUndoAction* PeekRedo() const { return CanRedo() ? FRedo.back().get() : nullptr; }
    void Pop();
    void Clear();
    void ClearRedo() { FRedo.clear(); }

    // For reversing: the newest step of either stack is taken off, and the step that
    // reverses the reversal is put on the other one.
    std::unique_ptr<TUndoAction> TakeUndoStep();
    std::unique_ptr<TUndoAction> TakeRedoStep();
    void PushUndoStep(std::unique_ptr<TUndoAction> step);
    void PushRedoStep(std::unique_ptr<TUndoAction> step);

private:
    bool FEnabled = false;
    std::vector<std::unique_ptr<TUndoAction>> FUndo;
    std::vector<std::unique_ptr<TUndoAction>> FRedo;
    std::unique_ptr<TUndoAction> FGroup;
};

// Records the entries of one operation as one undo step, unless the caller's group is
// already open (the operation then joins it).
class TUndoGroup {
public:
    explicit TUndoGroup(TUndoHistory& history) : FHistory(history), FOpened(history.BeginGroup()) {}
    ~TUndoGroup() { FHistory.EndGroup(FOpened); }
    TUndoGroup(const TUndoGroup&) = delete;
    TUndoGroup& operator=(const TUndoGroup&) = delete;

private:
    TUndoHistory& FHistory;
    bool FOpened;
};

// Whether two lines hold exactly the same data: every field the native file keeps and
// the time and received-number entry marks, with letter case counting.
bool SameLineData(const TQSO& a, const TQSO& b);

}  // namespace qz
