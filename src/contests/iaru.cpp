// IARU HF championship rules: the received text is an ITU zone, or any non-numeric
// text from a headquarters station; points by zone and continent, optionally from the
// options page.
#include "contests/iaru.h"

#include <atomic>

#include "base/text.h"
#include "base/lsnumbers.h"
#include "contests/framework/definition.h"
#include "contests/framework/rulehelpers.h"

namespace qz {

namespace {

std::atomic<bool> pointsFromOptions{false};
std::atomic<std::int32_t> optionHQ{1}, optionSameZone{1}, optionSameContinent{3}, optionOtherContinent{5};

// Received number 0 read as zone or headquarters: the ITU zone 1 to 75, -1 for a text
// that is no integer (a headquarters station), 0 for an empty text or another integer.
std::int32_t ZoneOrHQ(const std::string& text) {
    if (text.empty()) return 0;
    std::int32_t zone;
    if (!TryStrToInt(text, zone)) return -1;
    return zone >= 1 && zone <= 75 ? zone : 0;
}

}  // namespace

void SetIARUPointsFromOptions(bool on) { pointsFromOptions = on; }
bool IARUPointsFromOptions() { return pointsFromOptions; }

TIARUPoints IARUOptionPoints() { return {optionHQ, optionSameZone, optionSameContinent, optionOtherContinent}; }

void SetIARUOptionPoints(const TIARUPoints& points) {
    optionHQ = points.HQ;
    optionSameZone = points.SameZone;
    optionSameContinent = points.SameContinent;
    optionOtherContinent = points.OtherContinent;
}

T_IARU::T_IARU(const TFileHeader&) {
    FNoOfSentNumbers = 1;
    FNoOfRcvdNumbers = 1;
    FNoOfMulties = 1;
    FBands = SixBands();
    FModes = {mCW, mSSB};
    FExchangeColumns = TExchangeColumns{{lsColSentNumber}, {lsColRcvdNumber}, {lsColMulti2}};
    FDupeScope = TDupeScope::BandMode;
}

std::string T_IARU::GetMulti(int index, int multiIndex) {
    const TQSO* q = QSOs(index);
    if (!q || multiIndex != 0 || !q->IsGood()) return {};
    const std::string rcvd = q->RcvdNumbers(0);
    // Every distinct headquarters text is a multiplier of its own, spelled as received.
    std::string candidate = ZoneOrHQ(rcvd) == -1 ? rcvd : ITUZoneCandidate(*this, index, rcvd);
    return NewMulti(index, 0, candidate, true);
}

std::int32_t T_IARU::GetPoints(int index) {
    const TQSO* q = QSOs(index);
    if (!q || !q->IsGood()) return 0;
    const std::int32_t zone = ZoneOrHQ(q->RcvdNumbers(0));
    if (zone == 0) return 0;
    const TIARUPoints points = IARUPointsFromOptions() ? IARUOptionPoints() : TIARUPoints{};
    if (zone == -1) return points.HQ;
    if (zone == FOwnCall.ITUZone()) return points.SameZone;
    if (SameContinent(FOwnCall, q->Call())) return points.SameContinent;
    return points.OtherContinent;
}

void T_IARU::CreateAndAppendQSO(bool setEditedFlag) {
    auto q = NewQSOWithDefaults(setEditedFlag);
    if (FQSOList.empty()) q->SetSentNumbers(0, ZeroPadded(FOwnCall.ITUZone(), 2));
    else q->CopySentNumber(0, *FQSOList.back());
    AppendQSO(std::move(q));
}

std::string T_IARU::GetRcvdNumberToAppend(int qsoIndex, int numberIndex, std::vector<std::string>& rcvdList) {
    rcvdList.clear();
    std::string result;
    if (numberIndex != 0) return TContestLog::GetRcvdNumberToAppend(qsoIndex, numberIndex, rcvdList);
    if (SameCallRcvdNumber(*this, qsoIndex, 0, rcvdList, result)) return result;
    if (const TQSO* q = QSOs(qsoIndex); q && ZoneSuggestion(q->Call(), zITU, rcvdList, result)) return result;
    return TContestLog::GetRcvdNumberToAppend(qsoIndex, numberIndex, rcvdList);
}

std::string T_IARU::GetSwisslogSPField(int qsoIndex) const {
    const TQSO* q = QSOs(qsoIndex);
    return q ? q->RcvdNumbers(0) : std::string();
}

}  // namespace qz
