// Japan International DX contest (CW and SSB): Japanese prefectures.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/contestlog.h"

namespace qz {

// Stations outside Japan work Japanese stations only: own CQ zone sent; prefecture
// numbers (01 to 50) of Japanese stations per band; "jadx.dat" feeds the suggestions.
class T_JA_DX : public TContestLog {
public:
    explicit T_JA_DX(const TFileHeader& header);

    bool IsValidQSO(int index, bool showMessage) override;
    std::string GetMulti(int index, int multiIndex) override;
    std::int32_t GetPoints(int index) override;
    void CreateAndAppendQSO(bool setEditedFlag) override;
    std::string GetRcvdNumberToAppend(int qsoIndex, int numberIndex, std::vector<std::string>& rcvdList) override;
};

}  // namespace qz
