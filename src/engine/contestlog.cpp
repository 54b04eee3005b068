#include "engine/contestlog.h"

#include <algorithm>
#include <cmath>

#include "base/datetime.h"
#include "base/frontend.h"
#include "base/language.h"
#include "base/lsnumbers.h"
#include "base/text.h"
#include "engine/undo.h"
#include "reflists/amiallocationtable.h"
#include "reflists/memberlist.h"
#include "reflists/miscallocationtable.h"
#include "reflists/simplelist.h"

namespace qz {

TContestLog::TContestLog() = default;
TContestLog::~TContestLog() = default;

void TContestLog::Init(const TFileHeader& header, std::shared_ptr<const TCtyStuff> cty) {
    // A reference table that the contest class failed to load stays an error: starting
    // afresh here would report a log without its table as created.
    const TContestLogCreateError classError = ContestLogCreateError;
    ContestLogCreateError = ENoError;
    ConstantSentNumber.clear();
    MessageLines = nullptr;
    ShowMessageBoxes = true;
    TFileHeader h = header;

    FCtyStuff = cty ? std::move(cty) : std::make_shared<TCtyStuff>(h.fhContest_CtyFile);
    if (FCtyStuff->CtyListCount() == 0) {
        // The loader's reason names the file and says what is wrong with it.
        const std::string& why = FCtyStuff->LoadError();
        ShowErrorMessage(LS(lsCtyFileMissing) + " " +
                         (!why.empty()                    ? why
                          : FCtyStuff->FileName().empty() ? h.fhContest_CtyFile
                                                          : FCtyStuff->FileName()));
        ContestLogCreateError = ECtyFile;
        return;
    }
    if (FCtyStuff->StoreChangedFileName()) h.fhContest_CtyFile = FCtyStuff->FileName();

    // A two-sided contest hands a log of the other side's station to the other class.
    if (!FObligatoryCty.empty() && FAlternativeContest != cNoContest) {
        TCall own(UpperCase(h.fhUser_OwnCall), FCtyStuff.get());
        std::string master = own.CtyMasterPrefix();
        bool listed = std::find(FObligatoryCty.begin(), FObligatoryCty.end(), master) != FObligatoryCty.end();
        if ((FLogicalOperator == loInclude && !listed) || (FLogicalOperator == loExclude && listed))
            h.fhContest_Contest = FAlternativeContest;
    }
    FObligatoryCty.clear();

    UpdateFileHeader(h);
    if (!SameText(FOwnCall.Call(), h.fhUser_OwnCall)) ContestLogCreateError = EInvalidCall;

    FQSOList.clear();
    FResult_NoOfBandMulties.assign(static_cast<std::size_t>(FNoOfMulties), TBandResult{});
    FResult_NoOfAllMulties.assign(static_cast<std::size_t>(FNoOfMulties), 0);
    FMultiList.assign(static_cast<std::size_t>(FNoOfMulties), TMultiList{});
    FSeenMulties.assign(static_cast<std::size_t>(FNoOfMulties), {});
    SetColumns();
    if (FModes.Empty()) FModes = AllModes();
    SetSpecialCountries();
    FShowModeInCategory = true;
    FShowTimeInCategory = false;
    FShowOverlayInCategory = false;
    AfterInit();
    if (ContestLogCreateError == ENoError) ContestLogCreateError = classError;
}

void TContestLog::UpdateFileHeader(const TFileHeader& header) {
    FOwnCall.SetCtyStuff(FCtyStuff.get());
    FOwnCall.SetCall(header.fhUser_OwnCall);
    if (SameText(FOwnCall.Call(), header.fhUser_OwnCall)) {
        PublicFileHeader = header;
        FContest = header.fhContest_Contest;
    }
}

std::string TContestLog::GetLongContestName() const {
    std::string name = TrimRight(ContestNames[FContest]) + " ";
    if (!FQSOList.empty()) name += std::to_string(DecodeDate(FQSOList.front()->DateTime()).year);
    return name;
}

// --- Lines ---------------------------------------------------------------------------

const TQSO* TContestLog::QSOs(int index) const {
    if (index < 0 || index >= NoOfQSOs()) return nullptr;
    return FQSOList[static_cast<std::size_t>(index)].get();
}

TQSO* TContestLog::QSOs(int index) {
    if (index < 0 || index >= NoOfQSOs()) return nullptr;
    return FQSOList[static_cast<std::size_t>(index)].get();
}

void TContestLog::SetQSOs(int index, const TQSO& qso) {
    if (TQSO* q = QSOs(index)) q->CopyFrom(&qso);
}

void TContestLog::ChangeQSO(int index, const TQSO& edited) {
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

std::unique_ptr<TQSO> TContestLog::NewQSO(bool setEditedFlag) const {
    return std::make_unique<TQSO>(this, setEditedFlag);
}

void TContestLog::AppendQSO(std::unique_ptr<TQSO> qso) {
    if (qso) FQSOList.push_back(std::move(qso));
}

void TContestLog::InsertQSO(int index, std::unique_ptr<TQSO> qso) {
    if (!qso) return;
    if (index < 0 || index >= NoOfQSOs()) FQSOList.push_back(std::move(qso));
    else FQSOList.insert(FQSOList.begin() + index, std::move(qso));
}

namespace {
// Sort key of a line's time; a value that is not a number sorts last.
double TimeKey(const TQSO& q) { return std::isnan(q.DateTime()) ? HUGE_VAL : q.DateTime(); }
}  // namespace

void TContestLog::InsertQSOAtTime(std::unique_ptr<TQSO> qso) {
    if (!qso) return;
    double t = TimeKey(*qso);
    auto it = std::find_if(FQSOList.begin(), FQSOList.end(), [t](const auto& q) { return TimeKey(*q) > t; });
    FQSOList.insert(it, std::move(qso));
}

void TContestLog::MoveQSO(int currentIndex, int newIndex, bool pushUndo) {
    int n = NoOfQSOs();
    if (n < 2 || currentIndex < 0 || newIndex < 0 || currentIndex >= n || newIndex >= n) return;
    auto line = std::move(FQSOList[static_cast<std::size_t>(currentIndex)]);
    FQSOList.erase(FQSOList.begin() + currentIndex);
    FQSOList.insert(FQSOList.begin() + newIndex, std::move(line));
    if (pushUndo) PushUndo(ueaMoveQSO, currentIndex, newIndex);
}

std::unique_ptr<TQSO> TContestLog::TakeQSO(int index) {
    if (index < 0 || index >= NoOfQSOs()) return nullptr;
    auto line = std::move(FQSOList[static_cast<std::size_t>(index)]);
    FQSOList.erase(FQSOList.begin() + index);
    return line;
}

int TContestLog::AppendNewLine() {
    const int before = NoOfQSOs();
    CreateAndAppendQSO(false);
    // A contest class that appends nothing still gets its line: the add record below
    // must never name a line that was already there.
    if (NoOfQSOs() == before) AppendQSO(NewQSO(false));
    while (NoOfQSOs() > before + 1) DeleteQSO(NoOfQSOs() - 1, false);
    PushUndo(ueaAddQSO, before);
    return before;
}

void TContestLog::DeleteQSO(int index, bool pushUndo) {
    if (index < 0 || index >= NoOfQSOs()) return;
    auto line = std::move(FQSOList[static_cast<std::size_t>(index)]);
    FQSOList.erase(FQSOList.begin() + index);
    // The entry keeps the line itself, so undoing gives back the very same object.
    if (pushUndo && UndoRecording()) PushUndoEntry(TSingleUndo(index, std::move(line)));
}

int TContestLog::IndexOf(const TQSO* q) const {
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

void TContestLog::SwapQSOList(std::vector<std::unique_ptr<TQSO>>& newList) { FQSOList.swap(newList); }

void TContestLog::SortByTime() {
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
    if (UndoRecording()) PushUndoEntry(TSingleUndo(std::move(order)));
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

int TContestLog::DeleteAllEmpties() {
    const bool opened = UndoBeginGroup();
    int n = DeleteWhile(
        FQSOList, [](const TQSO& q) { return q.Call().Call().empty(); },
        [this](int index, std::unique_ptr<TQSO> q) { PushUndoEntry(TSingleUndo(index, std::move(q))); });
    UndoEndGroup(opened);
    return n;
}

int TContestLog::DeleteAllSelected() {
    if (NoOfSelectedQSOs() == NoOfQSOs()) return 0;
    const bool opened = UndoBeginGroup();
    int n = DeleteWhile(
        FQSOList, [](const TQSO& q) { return q.Selected(); },
        [this](int index, std::unique_ptr<TQSO> q) { PushUndoEntry(TSingleUndo(index, std::move(q))); });
    UndoEndGroup(opened);
    return n;
}

int TContestLog::NoOfSentQTCs() const {
    return static_cast<int>(std::count_if(FQSOList.begin(), FQSOList.end(),
                                          [](const auto& q) { return q->QSOFlags().Contains(qfSentQTC); }));
}

int TContestLog::NoOfRcvdQTCs() const {
    return static_cast<int>(std::count_if(FQSOList.begin(), FQSOList.end(),
                                          [](const auto& q) { return q->QSOFlags().Contains(qfRcvdQTC); }));
}

int TContestLog::NoOfSelectedQSOs() const {
    return static_cast<int>(
        std::count_if(FQSOList.begin(), FQSOList.end(), [](const auto& q) { return q->Selected(); }));
}

int TContestLog::NoOfSelectedQTCs() const {
    return static_cast<int>(
        std::count_if(FQSOList.begin(), FQSOList.end(), [](const auto& q) { return q->Selected() && q->IsQTC(); }));
}

bool TContestLog::QTCsAreSelected() const { return NoOfSelectedQTCs() > 0; }

TUsedBands TContestLog::GetUsedBands() const {
    int first = -1;
    for (const auto& q : FQSOList) {
        if (!q->IsGood()) continue;
        if (first < 0) first = q->Band();
        else if (q->Band() != first) return ubAllBands;
    }
    return ubSingleBand;
}

TUsedModes TContestLog::GetUsedModes() const {
    int first = -1;
    for (const auto& q : FQSOList) {
        if (!q->IsGood()) continue;
        if (first < 0) first = q->Mode();
        else if (q->Mode() != first) return umMixedMode;
    }
    return umSingleMode;
}

std::string TContestLog::GetNextSentQSONumber(int numberIndex) const {
    if (numberIndex < 0 || numberIndex >= FNoOfSentNumbers) return {};
    for (auto it = FQSOList.rbegin(); it != FQSOList.rend(); ++it) {
        if ((*it)->IsQTC()) continue;
        std::string s = (*it)->SentNumbers(numberIndex);
        std::int32_t n;
        if (!s.empty() && TryStrToInt(s, n)) return ZeroPadded(std::int64_t{n} + 1, 3);
    }
    return {};
}

int TContestLog::GetNextSentQTCSerialNumber() const {
    if (FNoOfRcvdNumbers <= 1) return 1;
    for (auto it = FQSOList.rbegin(); it != FQSOList.rend(); ++it) {
        if (!(*it)->QSOFlags().Contains(qfSentQTC)) continue;
        std::string r = (*it)->RcvdNumbers(1);
        auto slash = r.find('/');
        std::int32_t g;
        if (slash != std::string::npos && slash >= 1 && TryStrToInt(r.substr(0, slash), g)) return g + 1;
    }
    return 1;
}

// --- Columns -------------------------------------------------------------------------

void TContestLog::SetColumn(TColumnProperty property, int headerStringIndex, int arrayIndex, S_QSO_QTC qsoQtc,
                            std::string_view stfOrderKeyWord) {
    TColumnDescriptor d;
    d.ColumnProperty = property;
    d.HeaderString = headerStringIndex == -1 ? std::string() : LS(headerStringIndex);
    d.ArrayIndex = arrayIndex;
    d.QSO_QTC = qsoQtc;
    d.STFOrderKeyWord = std::string(stfOrderKeyWord);
    FColumnDescriptors.push_back(std::move(d));
}

void TContestLog::SetColumns() {
    FColumnDescriptors.clear();
    SetColumn(cpNr, lsColNr, -1, {}, "");
    SetColumn(cpMark, -1, -1, {}, "");
    SetColumn(cpDate, lsColDate, -1, {qqQSO}, "Date");
    SetColumn(cpBand, lsBand, -1, {qqQSO}, "Band");
    SetColumn(cpMode, lsColMode, -1, {qqQSO}, "Mode");
    SetColumn(cpCall, lsColCall, -1, {qqQSO}, "Call");
    SetColumn(cpTime, lsColTime, -1, {qqQSO}, "Time");
    SetColumn(cpSentRST, lsColSentRST, -1, {qqQSO}, "SRst");
    if (FExchangeColumns) AddExchangeColumns(*this, *FExchangeColumns);
}

TColumnProperty TContestLog::ColumnProperty(int col) const {
    return (col >= 0 && col < NoOfColumns()) ? FColumnDescriptors[static_cast<std::size_t>(col)].ColumnProperty : cpNr;
}

std::string TContestLog::ColumnHeader(int col) const {
    return (col >= 0 && col < NoOfColumns()) ? FColumnDescriptors[static_cast<std::size_t>(col)].HeaderString : "";
}

std::int32_t TContestLog::ColumnArrayIndex(int col) const {
    return (col >= 0 && col < NoOfColumns()) ? FColumnDescriptors[static_cast<std::size_t>(col)].ArrayIndex : 0;
}

S_QSO_QTC TContestLog::ColumnQSO_QTC(int col) const {
    return (col >= 0 && col < NoOfColumns()) ? FColumnDescriptors[static_cast<std::size_t>(col)].QSO_QTC : S_QSO_QTC{};
}

std::string TContestLog::ColumnSTFOrderKeyWord(int col) const {
    return (col >= 0 && col < NoOfColumns()) ? FColumnDescriptors[static_cast<std::size_t>(col)].STFOrderKeyWord : "";
}

int TContestLog::GetColumnNumberFromProperty(TColumnProperty property, int arrayIndex, int noOfColumns) const {
    int n = std::min(noOfColumns, NoOfColumns());
    for (int c = 0; c < n; ++c) {
        const auto& d = FColumnDescriptors[static_cast<std::size_t>(c)];
        if (d.ColumnProperty == property && d.ArrayIndex == arrayIndex) return c;
    }
    return 0;
}

bool TContestLog::CanSelectCell(int col, int) const {
    switch (ColumnProperty(col)) {
        case cpNr:
        case cpMark:
        case cpMul:
        case cpPoints:
        case cpFlags: return false;
        default: return true;
    }
}

}  // namespace qz
