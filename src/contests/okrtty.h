// OK RTTY contest: CQ zones exchanged, countries and OK calls per band.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/contestlog.h"

namespace qz {

// CQ zone exchanged; countries (kind 0) and Czech calls (kind 1) per band.
class T_OK_RTTY : public TContestLog {
public:
    explicit T_OK_RTTY(const TFileHeader& header);

    std::string GetMulti(int index, int multiIndex) override;
    std::int32_t GetPoints(int index) override;
    void CreateAndAppendQSO(bool setEditedFlag) override;
    void SetColumns() override;
    std::string GetRcvdNumberToAppend(int qsoIndex, int numberIndex, std::vector<std::string>& rcvdList) override;
    std::string GetSwisslogSPField(int qsoIndex) const override;
};

}  // namespace qz
