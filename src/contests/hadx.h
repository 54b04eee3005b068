// HA DX contest: the foreign side (T_HADX_DX) and the Hungarian side (T_HADX_HA).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "contests/framework/twosided.h"

namespace qz {

// Foreign stations: serial numbers sent; Hungarian stations send their county
// ("hadx.dat") or club member number ("HADXCMBR.QZ"), which count per band.
class T_HADX_DX : public TTwoSidedContest {
public:
    explicit T_HADX_DX(const TFileHeader& header);

    std::string GetMulti(int index, int multiIndex) override;
    std::int32_t GetPoints(int index) override;
    void WriteResults(std::vector<std::string>& destination) const override;
    void CreateAndAppendQSO(bool setEditedFlag) override { AppendSerialQSO(setEditedFlag); }
    std::string GetRcvdNumberToAppend(int qsoIndex, int numberIndex, std::vector<std::string>& rcvdList) override;
    void SetCallDependingStuff(int qsoIndex) override;
    std::string GetSwisslogSPField(int qsoIndex) const override { return RcvdOfHomeStation(qsoIndex, 0); }
    int GetSentNumericNumberIndex() const override { return 0; }
};

// Hungarian stations: county sent, countries per band.
class T_HADX_HA : public TTwoSidedContest {
public:
    explicit T_HADX_HA(const TFileHeader& header);

    std::string GetMulti(int index, int multiIndex) override;
    std::int32_t GetPoints(int index) override;
    void WriteResults(std::vector<std::string>& destination) const override;
    void CreateAndAppendQSO(bool setEditedFlag) override { AppendConstantQSO(setEditedFlag, 318); }
    std::string GetRcvdNumberToAppend(int qsoIndex, int numberIndex, std::vector<std::string>& rcvdList) override;
    void SetCallDependingStuff(int qsoIndex) override;
    std::string GetSwisslogSPField(int qsoIndex) const override { return RcvdOfHomeStation(qsoIndex, 0); }
};

}  // namespace qz
