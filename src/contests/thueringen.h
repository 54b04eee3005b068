// Thueringen contest: DOKs listed in "thueringencontest.dat" count as multipliers.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/contestlog.h"

namespace qz {

// DOK exchange; the listed DOKs of German stations are the multipliers. A log without
// any multiplier scores its points (the multiplier counts as 1).
class T_Thueringen : public TContestLog {
public:
    explicit T_Thueringen(const TFileHeader& header);

    std::string GetMulti(int index, int multiIndex) override;
    std::int32_t GetPoints(int index) override;
    std::int64_t GetFinalResult() const override;
    void WriteResults(std::vector<std::string>& destination) const override;
    void CreateAndAppendQSO(bool setEditedFlag) override;
    std::string GetRcvdNumberToAppend(int qsoIndex, int numberIndex, std::vector<std::string>& rcvdList) override;
    std::string GetSwisslogSPField(int qsoIndex) const override;
    std::string GetDOKFromRcvdNumber(int qsoIndex) const override { return GetSwisslogSPField(qsoIndex); }
    std::string GetSpecialSTFCategory() const override { return {}; }
};

}  // namespace qz
