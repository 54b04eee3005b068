// OK/OM DX contest: the foreign side (T_OKDX_DX) and the Czech and Slovak side (T_OKDX_OK).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "contests/framework/twosided.h"

namespace qz {

// Foreign stations: serial numbers sent, districts of OK/OM stations ("okom.dat") per band.
class T_OKDX_DX : public TTwoSidedContest {
public:
    explicit T_OKDX_DX(const TFileHeader& header);

    std::string GetMulti(int index, int multiIndex) override;
    std::int32_t GetPoints(int index) override;
    void CreateAndAppendQSO(bool setEditedFlag) override { AppendSerialQSO(setEditedFlag); }
    std::string GetRcvdNumberToAppend(int qsoIndex, int numberIndex, std::vector<std::string>& rcvdList) override;
    bool IsValidQSO(int index, bool showMessage) override;
    std::string GetSwisslogSPField(int qsoIndex) const override { return RcvdOfHomeStation(qsoIndex, 0); }
    int GetSentNumericNumberIndex() const override { return 0; }
};

// Czech and Slovak stations: district sent, prefixes per band; only stations abroad count.
class T_OKDX_OK : public TTwoSidedContest {
public:
    explicit T_OKDX_OK(const TFileHeader& header);

    std::string GetMulti(int index, int multiIndex) override;
    std::int32_t GetPoints(int index) override;
    void CreateAndAppendQSO(bool setEditedFlag) override { AppendConstantQSO(setEditedFlag, 275); }
    bool IsValidQSO(int index, bool showMessage) override;
    int GetRcvdNumericNumberIndex() const override { return 0; }
};

}  // namespace qz
