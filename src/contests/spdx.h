// SP DX contest: the foreign side (T_SPDX_DX) and the Polish side (T_SPDX_SP).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "contests/framework/twosided.h"

namespace qz {

// Foreign stations: serial numbers sent, voivodeships of Polish stations ("spdx.dat") per band.
class T_SPDX_DX : public TTwoSidedContest {
public:
    explicit T_SPDX_DX(const TFileHeader& header);

    std::string GetMulti(int index, int multiIndex) override;
    std::int32_t GetPoints(int index) override;
    void CreateAndAppendQSO(bool setEditedFlag) override { AppendSerialQSO(setEditedFlag); }
    std::string GetRcvdNumberToAppend(int qsoIndex, int numberIndex, std::vector<std::string>& rcvdList) override;
    bool IsValidQSO(int index, bool showMessage) override;
    std::string GetSwisslogSPField(int qsoIndex) const override { return RcvdOfHomeStation(qsoIndex, 0); }
    int GetSentNumericNumberIndex() const override { return 0; }
};

// Polish stations: voivodeship sent, countries per band; QSOs with Poland do not count.
class T_SPDX_SP : public TTwoSidedContest {
public:
    explicit T_SPDX_SP(const TFileHeader& header);

    std::string GetMulti(int index, int multiIndex) override;
    std::int32_t GetPoints(int index) override;
    void CreateAndAppendQSO(bool setEditedFlag) override { AppendConstantQSO(setEditedFlag, 295); }
    bool IsValidQSO(int index, bool showMessage) override;
    int GetRcvdNumericNumberIndex() const override { return 0; }
};

}  // namespace qz
