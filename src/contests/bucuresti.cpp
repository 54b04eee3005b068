// Bucharest contest rules: Romanian stations bring their county or Bucharest sector,
// foreign stations the internet code of their country; points depend on whether each
// side is in Bucharest (call area 3).
#include "contests/bucuresti.h"

#include "base/language.h"
#include "base/text.h"
#include "base/lsnumbers.h"
#include "contests/framework/definition.h"
#include "contests/framework/rulehelpers.h"

namespace qz {

namespace {

bool IsRomanian(const TCall& call) { return SameText(call.CtyMasterPrefix(), "YO"); }

// A Romanian station in call area 3 that sends a Bucharest sector ("X" and a letter A to F).
bool IsBucharestStation(const TQSO& q) {
    if (!IsRomanian(q.Call()) || q.Call().CallArea() != 3) return false;
    const std::string sector = UpperCase(q.RcvdNumbers(1));
    return sector.size() == 2 && sector[0] == 'X' && sector[1] >= 'A' && sector[1] <= 'F';
}

}  // namespace

T_BUCURESTI::T_BUCURESTI(const TFileHeader&) {
    FNoOfSentNumbers = 2;
    FNoOfRcvdNumbers = 2;
    FNoOfMulties = 2;
    FBands = {b80m, b40m};
    FModes = {mCW, mSSB, mPSK};
    FExchangeColumns = TExchangeColumns{{lsColSentExchange, lsColBucurestiSent2},
                                        {lsColRcvdExchange, lsColBucurestiRcvd2},
                                        {lsColCountyMulti, lsColCcTLDMulti}};
    FDupeScope = TDupeScope::BandMode;
    FSpecialCountries = {"YO"};
    FAmiAllocationTable = LoadAmiAllocationTable("bucuresti.dat", ContestLogCreateError);
    FccTLDAssignmentTable = LoadAmiAllocationTable("cctld.dat", ContestLogCreateError);
}

std::string T_BUCURESTI::GetMulti(int index, int multiIndex) {
    const TQSO* q = QSOs(index);
    if (!q || multiIndex < 0 || multiIndex >= FNoOfMulties || !q->IsGood()) return {};
    const bool home = IsRomanian(q->Call());
    std::string candidate;
    if (multiIndex == 0 && home) {
        candidate = TableCandidate(*this, FAmiAllocationTable.get(), index, 1, true, 263);
    } else if (multiIndex == 1 && !home) {
        candidate = UpperCase(q->RcvdNumbers(1));
        if (!FccTLDAssignmentTable->ContainsMainItem(candidate)) {
            AddMessage(LS(lsUnknownRegion) + " " + q->RcvdNumbers(1), index);
            candidate.clear();
        }
    }
    return NewMulti(index, multiIndex, candidate, true);
}

std::int32_t T_BUCURESTI::GetPoints(int index) {
    const TQSO* q = QSOs(index);
    if (!q || !q->IsGood()) return 0;
    if (!IsRomanian(FOwnCall)) return IsBucharestStation(*q) ? 4 : 2;
    const bool ownInArea3 = FOwnCall.CallArea() == 3;
    if (!IsRomanian(q->Call())) return ownInArea3 ? 4 : 2;
    const bool workedInArea3 = q->Call().CallArea() == 3;
    if (ownInArea3) return workedInArea3 ? 2 : 4;
    return workedInArea3 ? 4 : 2;
}

void T_BUCURESTI::CreateAndAppendQSO(bool setEditedFlag) {
    const bool first = FQSOList.empty();
    auto q = NewQSOWithDefaults(setEditedFlag);
    q->SetSentNumbers(0, NextSentSerialText(0));
    if (!first) {
        q->CopySentNumber(1, *FQSOList.back());
    } else {
        q->SetBand(b80m);
        if (!setEditedFlag) {
            if (IsRomanian(FOwnCall)) {
                auto counties = FAmiAllocationTable->GetMainItemsFromCallArea(FOwnCall.CallArea());
                const std::string county = counties && !counties->empty() ? counties->front() : ConstantSentNumber();
                q->SetSentNumbers(1, QueryExchangeValue(lsColCountyMulti, county));
            } else {
                q->SetSentNumbers(1, QueryExchangeValue(lsBucurestiDXPrompt, ConstantSentNumber()));
            }
        }
    }
    AppendQSO(std::move(q));
}

std::string T_BUCURESTI::GetRcvdNumberToAppend(int qsoIndex, int numberIndex, std::vector<std::string>& rcvdList) {
    rcvdList.clear();
    const TQSO* q = QSOs(qsoIndex);
    if (numberIndex == 1 && q) {
        std::string result;
        if (IsRomanian(q->Call())) {
            if (SameCallRcvdNumber(*this, qsoIndex, 1, rcvdList, result)) return result;
            if (auto items = FAmiAllocationTable->GetMainItemsFromCallArea(q->Call().CallArea());
                items && !items->empty()) {
                rcvdList = std::move(*items);
                return rcvdList.front();
            }
        } else if (result = FccTLDAssignmentTable->GetMainItem(q->Call().CtyMasterPrefix(), false); !result.empty()) {
            rcvdList.assign(1, result);
            return result;
        }
    }
    return TContestLog::GetRcvdNumberToAppend(qsoIndex, numberIndex, rcvdList);
}

std::string T_BUCURESTI::GetSwisslogSPField(int qsoIndex) const {
    const TQSO* q = QSOs(qsoIndex);
    return q && IsRomanian(q->Call()) ? q->RcvdNumbers(1) : std::string();
}

}  // namespace qz
