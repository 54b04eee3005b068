// HA DX contest: the foreign side (T_HADX_DX) and the Hungarian side (T_HADX_HA).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "contests/framework/twosided.h"

namespace qz {

// What both sides share: the county table ("hadx.dat") and the club member list
// ("HADXCMBR.QZ"), one QSO a station per band and mode, and the Hungarian stations'
// county or member number suggested and filled in.
class THADXContest : public TTwoSidedContest {
public:
    void WriteResults(std::vector<std::string>& destination) const override;
    std::string GetRcvdNumberToAppend(int qsoIndex, int numberIndex, std::vector<std::string>& rcvdList) override;
    void SetCallDependingStuff(int qsoIndex) override;
    std::string GetSwisslogSPField(int qsoIndex) const override { return RcvdOfHomeStation(qsoIndex, 0); }

protected:
    THADXContest(bool homeSide, TContest otherSide);
};

// Foreign stations: serial numbers sent; Hungarian stations send their county or club
// member number, which count per band.
class T_HADX_DX : public THADXContest {
public:
    explicit T_HADX_DX(const TFileHeader& header);

    std::string GetMulti(int index, int multiIndex) override;
    std::int32_t GetPoints(int index) override;
    void CreateAndAppendQSO(bool setEditedFlag) override { AppendSerialQSO(setEditedFlag); }
    int GetSentNumericNumberIndex() const override { return 0; }
};

// Hungarian stations: county sent, countries per band.
class T_HADX_HA : public THADXContest {
public:
    explicit T_HADX_HA(const TFileHeader& header);

    std::string GetMulti(int index, int multiIndex) override;
    std::int32_t GetPoints(int index) override;
    void CreateAndAppendQSO(bool setEditedFlag) override { AppendConstantQSO(setEditedFlag, 318); }
};

}  // namespace qz
