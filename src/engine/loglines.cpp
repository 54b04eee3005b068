// The lines of a log, its header and its undo history: every change of the lines and
// its reversal.
#include "engine/loglines.h"

#include <algorithm>
#include <cmath>

#include "base/datetime.h"
#include "base/frontend.h"
#include "base/language.h"
#include "base/lsnumbers.h"
#include "base/text.h"

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

TLogLines::TLogLines() = default;
TLogLines::~TLogLines() = default;

bool TLogLines::UpdateFileHeader(const TFileHeader& header) {
    FOwnCall.SetCtyStuff(FCtyStuff.get());
    FOwnCall.SetCall(header.fhUser_OwnCall);
    if (!SameText(FOwnCall.Call(), header.fhUser_OwnCall)) return false;
    FFileHeader = header;
    return true;
}

void TLogLines::AddMessage(const std::string& text, int qsoIndex) const {
    if (!FMessageLines) return;
    if (qsoIndex == -1) FMessageLines->push_back(text);
    else FMessageLines->push_back(Format("%s%d%s %s", "QSO #", qsoIndex + 1, ":", text.c_str()));
}

const TQSO* TLogLines::QSOs(int index) const {
    if (index < 0 || index >= NoOfQSOs()) return nullptr;
    return FQSOList[static_cast<std::size_t>(index)].get();
}

TQSO* TLogLines::QSOs(int index) {
    if (index < 0 || index >= NoOfQSOs()) return nullptr;
    return FQSOList[static_cast<std::size_t>(index)].get();
}

void TLogLines::SetQSOs(int index, const TQSO& qso) {
    if (TQSO* q = QSOs(index)) q->CopyFrom(&qso);
}

void TLogLines::ChangeQSO(int index, const TQSO& edited) {
    TQSO* line = QSOs(index);
    if (line == nullptr) return;
    const bool selected = line->Selected();
    const std::int32_t points = line->Points();
    std::vector<std::string> multies;
    for (int m = 0; m < NoOfMulties(); ++m) multies.push_back(line->Multies(m));
    PushUndo(ueaChangeQSO, index);
    line->CopyFrom(&edited);
    line->SetSelected(selected);
    line->SetPoints(points);
    for (int m = 0; m < static_cast<int>(multies.size()); ++m) line->SetMulties(m, multies[m]);
}

std::unique_ptr<TQSO> TLogLines::NewQSO(bool setEditedFlag) const {
    return std::make_unique<TQSO>(this, setEditedFlag);
}

void TLogLines::AppendQSO(std::unique_ptr<TQSO> qso) {
    if (qso) FQSOList.push_back(std::move(qso));
}

void TLogLines::InsertQSO(int index, std::unique_ptr<TQSO> qso) {
    if (!qso) return;
    if (index < 0 || index >= NoOfQSOs()) FQSOList.push_back(std::move(qso));
    else FQSOList.insert(FQSOList.begin() + index, std::move(qso));
}

namespace {
// Sort key of a line's time; a value that is not a number sorts last.
double TimeKey(const TQSO& q) { return std::isnan(q.DateTime()) ? HUGE_VAL : q.DateTime(); }
}  // namespace

void TLogLines::InsertQSOAtTime(std::unique_ptr<TQSO> qso) {
    if (!qso) return;
    double t = TimeKey(*qso);
    auto it = std::find_if(FQSOList.begin(), FQSOList.end(), [t](const auto& q) { return TimeKey(*q) > t; });
    FQSOList.insert(it, std::move(qso));
}

void TLogLines::MoveQSO(int currentIndex, int newIndex, bool pushUndo) {
    int n = NoOfQSOs();
    if (n < 2 || currentIndex < 0 || newIndex < 0 || currentIndex >= n || newIndex >= n) return;
    auto line = std::move(FQSOList[static_cast<std::size_t>(currentIndex)]);
    FQSOList.erase(FQSOList.begin() + currentIndex);
    FQSOList.insert(FQSOList.begin() + newIndex, std::move(line));
    if (pushUndo) PushUndo(ueaMoveQSO, currentIndex, newIndex);
}

std::unique_ptr<TQSO> TLogLines::TakeQSO(int index) {
    if (index < 0 || index >= NoOfQSOs()) return nullptr;
    auto line = std::move(FQSOList[static_cast<std::size_t>(index)]);
    FQSOList.erase(FQSOList.begin() + index);
    return line;
}

void TLogLines::DeleteQSO(int index, bool pushUndo) {
    if (index < 0 || index >= NoOfQSOs()) return;
    auto line = std::move(FQSOList[static_cast<std::size_t>(index)]);
    FQSOList.erase(FQSOList.begin() + index);
    // The entry keeps the line itself, so undoing gives back the very same object.
    if (pushUndo && FHistory.Recording()) FHistory.Record(TSingleUndo(index, std::move(line)));
}

int TLogLines::IndexOf(const TQSO* q) const {
    if (!q) return -1;
    for (int i = 0; i < NoOfQSOs(); ++i) {
        const TQSO& o = *FQSOList[static_cast<std::size_t>(i)];
        if (o.Band() == q->Band() && o.Mode() == q->Mode() && o.DateTime() == q->DateTime() &&
            o.Call().Call() == q->Call().Call() && o.SentRST() == q->SentRST() && o.RcvdRST() == q->RcvdRST() &&
            SameText(o.SentNumbers(0), q->SentNumbers(0)) && SameText(o.RcvdNumbers(0), q->RcvdNumbers(0)))
            return i;
    }
    return -1;
}

void TLogLines::SwapQSOList(std::vector<std::unique_ptr<TQSO>>& newList) { FQSOList.swap(newList); }

void TLogLines::SortByTime() {
    // Inserting every line after all lines of equal or earlier time is a stable sort.
    const int n = NoOfQSOs();
    ProgressStart(n);
    std::vector<std::int32_t> order(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) order[static_cast<std::size_t>(i)] = i;
    std::vector<double> keys(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) keys[static_cast<std::size_t>(i)] = TimeKey(*FQSOList[static_cast<std::size_t>(i)]);
    std::stable_sort(order.begin(), order.end(), [&keys](std::int32_t a, std::int32_t b) {
        return keys[static_cast<std::size_t>(a)] < keys[static_cast<std::size_t>(b)];
    });
    // Lines already in order stay as they are and leave no undo step: a compile of a
    // sorted log must not make the next Undo reverse nothing.
    if (std::is_sorted(order.begin(), order.end())) {
        ProgressEnd();
        return;
    }
    std::vector<std::unique_ptr<TQSO>> sorted;
    sorted.reserve(FQSOList.size());
    for (std::int32_t i : order) sorted.push_back(std::move(FQSOList[static_cast<std::size_t>(i)]));
    ProgressStep(n);
    if (FHistory.Recording()) FHistory.Record(TSingleUndo(std::move(order)));
    SwapQSOList(sorted);
    ProgressEnd();
}

namespace {

// Deletes the lines `doomed` answers true for, first to last, but never the last
// remaining line: the same lines the restart-from-the-top scan deletes. `deleted` gets
// each line with its index at the moment it goes, in the order they go.
template <typename Pred, typename Sink>
int DeleteWhile(std::vector<std::unique_ptr<TQSO>>& list, Pred doomed, Sink deleted) {
    std::size_t remaining = list.size();
    std::vector<std::unique_ptr<TQSO>> kept;
    kept.reserve(list.size());
    int count = 0;
    for (auto& q : list) {
        if (remaining > 1 && doomed(*q)) {
            --remaining;
            deleted(static_cast<int>(kept.size()), std::move(q));
            ++count;
        } else {
            kept.push_back(std::move(q));
        }
    }
    list.swap(kept);
    return count;
}

}  // namespace

int TLogLines::DeleteAllEmpties() {
    TUndoGroup group(FHistory);
    int n = DeleteWhile(
        FQSOList, [](const TQSO& q) { return q.Call().Call().empty(); },
        [this](int index, std::unique_ptr<TQSO> q) { FHistory.Record(TSingleUndo(index, std::move(q))); });
    return n;
}

int TLogLines::DeleteAllSelected() {
    if (NoOfSelectedQSOs() == NoOfQSOs()) return 0;
    TUndoGroup group(FHistory);
    int n = DeleteWhile(
        FQSOList, [](const TQSO& q) { return q.Selected(); },
        [this](int index, std::unique_ptr<TQSO> q) { FHistory.Record(TSingleUndo(index, std::move(q))); });
    return n;
}

int TLogLines::NoOfSentQTCs() const {
    return static_cast<int>(std::count_if(FQSOList.begin(), FQSOList.end(),
                                          [](const auto& q) { return q->QSOFlags().Contains(qfSentQTC); }));
}

int TLogLines::NoOfRcvdQTCs() const {
    return static_cast<int>(std::count_if(FQSOList.begin(), FQSOList.end(),
                                          [](const auto& q) { return q->QSOFlags().Contains(qfRcvdQTC); }));
}

int TLogLines::NoOfSelectedQSOs() const {
    return static_cast<int>(
        std::count_if(FQSOList.begin(), FQSOList.end(), [](const auto& q) { return q->Selected(); }));
}

int TLogLines::NoOfSelectedQTCs() const {
    return static_cast<int>(
        std::count_if(FQSOList.begin(), FQSOList.end(), [](const auto& q) { return q->Selected() && q->IsQTC(); }));
}

TUsedBands TLogLines::GetUsedBands() const {
    int first = -1;
    for (const auto& q : FQSOList) {
        if (!q->IsGood()) continue;
        if (first < 0) first = q->Band();
        else if (q->Band() != first) return ubAllBands;
    }
    return ubSingleBand;
}

TUsedModes TLogLines::GetUsedModes() const {
    int first = -1;
    for (const auto& q : FQSOList) {
        if (!q->IsGood()) continue;
        if (first < 0) first = q->Mode();
        else if (q->Mode() != first) return umMixedMode;
    }
    return umSingleMode;
}

void TLogLines::PushUndo(TUndoEnabledAction action, int oldIndex, int newIndex) {
    if (!FHistory.Recording()) return;
    switch (action) {
        case ueaAddQSO: FHistory.Record(TSingleUndo(oldIndex)); break;
        case ueaMoveQSO: FHistory.Record(TSingleUndo(oldIndex, newIndex)); break;
        case ueaChangeQSO:
        case ueaDeleteQSO:
            // A copy of a line that does not exist could not be reversed.
            if (const TQSO* q = QSOs(oldIndex)) FHistory.Record(TSingleUndo(action, *q, oldIndex));
            break;
        case ueaSortList:
        case ueaChangeHeader:
        case ueaReplaceLog: break;
    }
}

bool TLogLines::ChangeFileHeader(const TFileHeader& header) {
    const TFileHeader old = FFileHeader;
    UpdateFileHeader(header);
    if (!SameText(FOwnCall.Call(), header.fhUser_OwnCall)) {
        UpdateFileHeader(old);
        return false;
    }
    FHistory.Record(TSingleUndo(old));
    return true;
}

TUndoOutcome TLogLines::ReverseStep(TUndoAction& step, TUndoAction& inverse) {
    TUndoOutcome outcome = TUndoOutcome::LinesChanged;
    const int n0 = NoOfQSOs();
    for (int k = step.Count() - 1; k >= 0; --k) {
        TSingleUndo& e = step.Items(k);
        const int n = NoOfQSOs();
        switch (e.UndoEnabledAction()) {
            case ueaChangeQSO:
                if (TQSO* q = QSOs(e.QSOIndex()); q && e.LastQSO()) {
                    inverse.Add(TSingleUndo(ueaChangeQSO, *q, e.QSOIndex()));
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
            case ueaChangeHeader:
                if (e.Header()) {
                    inverse.Add(TSingleUndo(FFileHeader));
                    UpdateFileHeader(*e.Header());
                    outcome = TUndoOutcome::HeaderChanged;
                }
                break;
            case ueaReplaceLog: break;  // the editor switches logs (SwitchLogs)
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
        const TUndoEnabledAction kind = e.UndoEnabledAction();
        if (kind != ueaChangeQSO && kind != ueaChangeHeader && outcome != TUndoOutcome::HeaderChanged)
            outcome = TUndoOutcome::ListChanged;
    }
    if (NoOfQSOs() != n0 && outcome != TUndoOutcome::HeaderChanged) outcome = TUndoOutcome::ListChanged;
    return outcome;
}

TUndoOutcome TLogLines::Undo() {
    // A step still being filled is closed first, so that it is the one undone.
    FHistory.SetGrouping(false);
    if (!FHistory.CanUndo()) {
        ShowInfoMessage(LS(lsNothingToUndo));
        return TUndoOutcome::NothingToUndo;
    }
    if (FHistory.Peek()->ReplacesLog()) return TUndoOutcome::LogReplaced;
    std::unique_ptr<TUndoAction> step = FHistory.TakeUndoStep();
    auto redo = std::make_unique<TUndoAction>();
    const TUndoOutcome outcome = ReverseStep(*step, *redo);
    FHistory.PushRedoStep(std::move(redo));
    return outcome;
}

TUndoOutcome TLogLines::Redo() {
    FHistory.SetGrouping(false);
    if (!FHistory.CanRedo()) return TUndoOutcome::NothingToUndo;
    if (FHistory.PeekRedo()->ReplacesLog()) return TUndoOutcome::LogReplaced;
    std::unique_ptr<TUndoAction> step = FHistory.TakeRedoStep();
    auto undo = std::make_unique<TUndoAction>();
    const TUndoOutcome outcome = ReverseStep(*step, *undo);
    FHistory.PushUndoStep(std::move(undo));
    return outcome;
}

bool TLogLines::DropUndoIfUnchanged(int qsoIndex) {
    const TUndoAction* step = FHistory.Peek();
    const TQSO* q = QSOs(qsoIndex);
    if (!step || !q || step->Empty()) return false;
    const TSingleUndo& first = step->Items(0);
    if (first.UndoEnabledAction() != ueaChangeQSO || first.QSOIndex() != qsoIndex || !first.LastQSO()) return false;
    if (!SameLineData(*q, *first.LastQSO())) return false;
    FHistory.Pop();
    return true;
}

}  // namespace qz
