// Swiss contests sharing the canton table "helvetia.dat": the Helvetia contest for foreign
// (T_HELVET_DX) and Swiss stations (T_HELVET_HB), and the Swiss Christmas contest (T_XMAS_HB).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "contests/framework/twosided.h"

namespace qz {

// Foreign stations: serial numbers sent, cantons of Swiss stations per band.
class T_HELVET_DX : public TTwoSidedContest {
public:
    explicit T_HELVET_DX(const TFileHeader& header);

    std::string GetMulti(int index, int multiIndex) override;
    std::int32_t GetPoints(int index) override;
    void CreateAndAppendQSO(bool setEditedFlag) override { AppendSerialQSO(setEditedFlag); }
    std::string GetRcvdNumberToAppend(int qsoIndex, int numberIndex, std::vector<std::string>& rcvdList) override;
    bool IsValidQSO(int index, bool showMessage) override;
    std::string GetSwisslogSPField(int qsoIndex) const override { return RcvdOfHomeStation(qsoIndex, 1); }
    int GetSentNumericNumberIndex() const override { return 0; }
};

// Swiss stations: serial number and canton sent; countries and cantons per band.
class T_HELVET_HB : public TTwoSidedContest {
public:
    explicit T_HELVET_HB(const TFileHeader& header);

    std::string GetMulti(int index, int multiIndex) override;
    std::int32_t GetPoints(int index) override;
    void CreateAndAppendQSO(bool setEditedFlag) override;
    std::string GetRcvdNumberToAppend(int qsoIndex, int numberIndex, std::vector<std::string>& rcvdList) override;
    std::string GetSwisslogSPField(int qsoIndex) const override { return RcvdOfHomeStation(qsoIndex, 1); }
};

// Swiss Christmas contest (CW, SSB and PSK variants): only Swiss stations count, the
// canton texts as received per band.
class T_XMAS_HB : public TTwoSidedContest {
public:
    explicit T_XMAS_HB(const TFileHeader& header);

    std::string GetMulti(int index, int multiIndex) override;
    std::int32_t GetPoints(int index) override;
    void CreateAndAppendQSO(bool setEditedFlag) override;
    std::string GetRcvdNumberToAppend(int qsoIndex, int numberIndex, std::vector<std::string>& rcvdList) override;
    bool IsValidQSO(int index, bool showMessage) override;
    std::string GetSwisslogSPField(int qsoIndex) const override { return RcvdOfHomeStation(qsoIndex, 1); }
    int GetSentNumericNumberIndex() const override { return 0; }
    int GetRcvdNumericNumberIndex() const override { return 0; }
};

}  // namespace qz
