// IARU VHF/UHF/SHF contest scored by distance.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/contestlog.h"

namespace qz {

// Serial number (0) and locator (1); no multipliers; each QSO scores the distance in
// kilometres between the own and the worked locator.
class T_VHF : public TContestLog {
public:
    explicit T_VHF(const TFileHeader& header);

    std::int32_t GetPoints(int index) override;
    void CreateAndAppendQSO(bool setEditedFlag) override;
    std::string GetRcvdNumberToAppend(int qsoIndex, int numberIndex, std::vector<std::string>& rcvdList) override;
    std::string GetSwisslogSPField(int qsoIndex) const override;
    int GetSentNumericNumberIndex() const override { return 0; }
    int GetRcvdNumericNumberIndex() const override { return 0; }
    bool IsAVHFContest() const override { return true; }
};

}  // namespace qz
