#include "engine/contestlog.h"

#include <algorithm>
#include <cmath>

#include "base/datetime.h"
#include "base/frontend.h"
#include "base/language.h"
#include "base/lsnumbers.h"
#include "base/text.h"
#include "engine/compilepass.h"
#include "reflists/amiallocationtable.h"
#include "reflists/memberlist.h"
#include "reflists/miscallocationtable.h"
#include "reflists/simplelist.h"

namespace qz {

TContestLog::TContestLog() : FPass(std::make_unique<TPassState>()) {}
TContestLog::~TContestLog() = default;

void TContestLog::Init(const TFileHeader& header, std::shared_ptr<const TCtyStuff> cty) {
    // A reference table that the contest class failed to load stays an error: starting
    // afresh here would report a log without its table as created.
    const TContestLogCreateError classError = ContestLogCreateError;
    ContestLogCreateError = ENoError;
    SetConstantSentNumber({});
    SetMessageLines(nullptr);
    SetShowMessageBoxes(true);
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
    ResetResults();
    SetColumns();
    if (FModes.Empty()) FModes = AllModes();
    SetSpecialCountries();
    FShowModeInCategory = true;
    FShowTimeInCategory = false;
    FShowOverlayInCategory = false;
    AfterInit();
    if (ContestLogCreateError == ENoError) ContestLogCreateError = classError;
}

bool TContestLog::UpdateFileHeader(const TFileHeader& header) {
    if (!TLogLines::UpdateFileHeader(header)) return false;
    FContest = header.fhContest_Contest;
    return true;
}

std::string TContestLog::GetLongContestName() const {
    std::string name = TrimRight(ContestNames[FContest]) + " ";
    if (!FQSOList.empty()) name += std::to_string(DecodeDate(FQSOList.front()->DateTime()).year);
    return name;
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

void TContestLog::RecordReplacing(std::unique_ptr<TContestLog> previous) {
    TUndoHistory& history = History();
    if (!history.Recording() || !previous) return;
    // What was undone in the previous log cannot be made again after this change.
    previous->History().ClearRedo();
    history.SetGrouping(false);
    history.ClearRedo();
    auto step = std::make_unique<TUndoAction>();
    step->Add(TSingleUndo(std::move(previous)));
    history.PushUndoStep(std::move(step));
}

std::unique_ptr<TContestLog> TContestLog::SwitchLogs(std::unique_ptr<TContestLog> current, bool undoing) {
    TUndoHistory& history = current->History();
    const TUndoAction* top = undoing ? history.Peek() : history.PeekRedo();
    if (!top || !top->ReplacesLog()) return current;
    std::unique_ptr<TUndoAction> step = undoing ? history.TakeUndoStep() : history.TakeRedoStep();
    std::unique_ptr<TContestLog> other = step->Items(0).TakeLog();
    if (!other) return current;
    auto back = std::make_unique<TUndoAction>();
    back->Add(TSingleUndo(std::move(current)));
    if (undoing) other->History().PushRedoStep(std::move(back));
    else other->History().PushUndoStep(std::move(back));
    return other;
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

// Columns

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
