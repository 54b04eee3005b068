// PACC contest: the foreign side (T_PACC_DX) and the Dutch side (T_PACC_PA).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "contests/framework/twosided.h"

namespace qz {

// What both sides share: the province table ("pacc.dat"), one QSO a station per band
// and mode, and the Dutch stations' provinces suggested.
class TPACCContest : public TTwoSidedContest {
public:
    std::string GetRcvdNumberToAppend(int qsoIndex, int numberIndex, std::vector<std::string>& rcvdList) override;
    std::string GetSwisslogSPField(int qsoIndex) const override { return RcvdOfHomeStation(qsoIndex, 0); }

protected:
    TPACCContest(bool homeSide, TContest otherSide);
};

// Foreign stations: serial numbers sent, provinces of Dutch stations per band.
class T_PACC_DX : public TPACCContest {
public:
    explicit T_PACC_DX(const TFileHeader& header);

    std::string GetMulti(int index, int multiIndex) override;
    std::int32_t GetPoints(int index) override;
    void CreateAndAppendQSO(bool setEditedFlag) override { AppendSerialQSO(setEditedFlag); }
    bool IsValidQSO(int index, bool showMessage) override;
    int GetSentNumericNumberIndex() const override { return 0; }
};

// Dutch stations: province sent, one point a QSO, countries (call areas in large
// countries) per band.
class T_PACC_PA : public TPACCContest {
public:
    explicit T_PACC_PA(const TFileHeader& header);

    std::string GetMulti(int index, int multiIndex) override;
    std::int32_t GetPoints(int index) override;
    void CreateAndAppendQSO(bool setEditedFlag) override { AppendConstantQSO(setEditedFlag, 300); }
    int GetRcvdNumericNumberIndex() const override { return 0; }
};

}  // namespace qz
