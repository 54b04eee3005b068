// HA DX contest rules: foreign stations count Hungarian counties and club member
// numbers, Hungarian stations count countries; once per band and mode.
#include "contests/hadx.h"

#include "base/language.h"
#include "base/text.h"
#include "base/lsnumbers.h"
#include "reflists/amiallocationtable.h"
#include "contests/framework/definition.h"
#include "contests/framework/rulehelpers.h"
#include "contests/framework/dok.h"
#include "reflists/memberlist.h"
#include "contests/framework/members.h"
#include "reflists/miscallocationtable.h"
#include "reflists/simplelist.h"

namespace qz {

namespace {

// For a Hungarian station: an earlier line's number, else its member number as
// suggestion with the counties of its call area as candidates. False for others.
bool SuggestHungarian(TContestLog& log, bool isHome, int qsoIndex, int numberIndex, std::vector<std::string>& rcvdList,
                      std::string& result) {
    rcvdList.clear();
    result.clear();
    const TQSO* q = log.QSOs(qsoIndex);
    if (!q || !isHome) return false;
    if (SameCallRcvdNumber(log, qsoIndex, numberIndex, rcvdList, result, false)) return true;
    std::vector<std::string> ignored;
    result = MemberNumberSuggestion(log, qsoIndex, ignored);
    if (log.AmiAllocationTable())
        if (auto counties = log.AmiAllocationTable()->GetMainItemsFromCallArea(q->Call().CallArea()))
            rcvdList = std::move(*counties);
    return true;
}

}  // namespace

THADXContest::THADXContest(bool homeSide, TContest otherSide) : TTwoSidedContest({"HA"}, homeSide, otherSide) {
    FNoOfSentNumbers = 1;
    FNoOfRcvdNumbers = 1;
    FNoOfMulties = 1;
    FBands = SixBands();
    FModes = {mCW, mSSB};
    FDupeScope = TDupeScope::BandMode;
    FSpecialCountries = {"HA"};
    FMemberList = LoadMemberList("HADXCMBR.QZ", 0, TListNeed::Optional, ContestLogCreateError);
    FAmiAllocationTable = LoadAmiAllocationTable("hadx.dat", ContestLogCreateError);
}

void THADXContest::WriteResults(std::vector<std::string>& destination) const {
    TContestLog::WriteResults(destination);
    WriteEmptyMemberListNote(*this, "HADXCMBR.QZ", destination);
}

std::string THADXContest::GetRcvdNumberToAppend(int qsoIndex, int numberIndex, std::vector<std::string>& rcvdList) {
    std::string result;
    const TQSO* q = QSOs(qsoIndex);
    if (numberIndex == 0 && SuggestHungarian(*this, q && IsHomeStation(q->Call()), qsoIndex, 0, rcvdList, result))
        return result;
    return SideRcvdSuggestion(qsoIndex, numberIndex, rcvdList);
}

void THADXContest::SetCallDependingStuff(int qsoIndex) {
    const TQSO* q = QSOs(qsoIndex);
    if (q && IsHomeStation(q->Call())) FillMemberNumber(*this, qsoIndex, "");
}

T_HADX_DX::T_HADX_DX(const TFileHeader&) : THADXContest(false, cHADXha) {
    FExchangeColumns = TExchangeColumns{{lsColSentExchange}, {lsColRcvdExchange}, {lsColCountyMember}};
}

std::string T_HADX_DX::GetMulti(int index, int multiIndex) {
    const TQSO* q = QSOs(index);
    if (!q || multiIndex != 0 || !q->IsGood() || !IsHomeStation(q->Call())) return {};
    const std::string rcvd = q->RcvdNumbers(0);
    std::int32_t member;
    if (TryStrToInt(rcvd, member)) return NewMulti(index, 0, ZeroPadded(member, 3), true);
    std::string county = FAmiAllocationTable ? FAmiAllocationTable->GetMainItem(rcvd, true) : std::string();
    if (county.empty()) AddMessage(LS(lsUnknownRegion) + " " + rcvd, index);
    return NewMulti(index, 0, county, true);
}

std::int32_t T_HADX_DX::GetPoints(int index) {
    const TQSO* q = QSOs(index);
    if (!q || !q->IsGood()) return 0;
    return IsHomeStation(q->Call()) ? 6 : RelationPoints(index, 1, 1, 3);
}

T_HADX_HA::T_HADX_HA(const TFileHeader&) : THADXContest(true, cHADX) {
    FExchangeColumns = TExchangeColumns{{lsColCountyMember}, {lsColRcvdExchange}, {lsColMulti1}};
}

std::string T_HADX_HA::GetMulti(int index, int multiIndex) {
    const TQSO* q = QSOs(index);
    if (!q || multiIndex != 0 || !q->IsGood()) return {};
    return NewMulti(index, 0, q->Call().CtyMasterPrefix(), true);
}

std::int32_t T_HADX_HA::GetPoints(int index) {
    const TQSO* q = QSOs(index);
    return q && q->IsGood() ? RelationPoints(index, 1, 3, 5) : 0;
}

}  // namespace qz
