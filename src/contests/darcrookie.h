// DARC rookie contest: a district letter and the years of licence are exchanged.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/contestlog.h"

namespace qz {

// District letter (0) and years of licence (1) exchanged; points depend on the worked
// station's years of licence, the districts count per band.
class T_DARC_ROOKIE : public TContestLog {
public:
    explicit T_DARC_ROOKIE(const TFileHeader& header);

    std::string GetMulti(int index, int multiIndex) override;
    std::int32_t GetPoints(int index) override;
    void CreateAndAppendQSO(bool setEditedFlag) override;
    std::string GetRcvdNumberToAppend(int qsoIndex, int numberIndex, std::vector<std::string>& rcvdList) override;
    std::string GetSwisslogSPField(int qsoIndex) const override;
    std::string GetDOKFromRcvdNumber(int qsoIndex) const override { return GetSwisslogSPField(qsoIndex); }
};

}  // namespace qz
