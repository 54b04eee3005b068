// Deutscher Telegraphie Contest: CW on 80m and 40m, listed stations score double.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/contestlog.h"

namespace qz {

// No multipliers; stations abroad count only QSOs with German stations.
class T_DTC : public TContestLog {
public:
    explicit T_DTC(const TFileHeader& header);

    std::int32_t GetPoints(int index) override;
    std::int64_t GetFinalResult() const override { return Result().AllPoints(); }
    void CreateAndAppendQSO(bool setEditedFlag) override;
    std::string GetRcvdNumberToAppend(int qsoIndex, int numberIndex, std::vector<std::string>& rcvdList) override;
    bool IsValidQSO(int index, bool showMessage) override;
    std::string GetSwisslogSPField(int qsoIndex) const override;
};

}  // namespace qz
