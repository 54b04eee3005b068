// Contests whose exchange is the CQ zone, for the line entry they share.
#pragma once

#include <string>
#include <vector>

#include "engine/contestlog.h"

namespace qz {

// The own CQ zone is the first sent exchange, later lines repeat the previous line's;
// the received zone is proposed from an earlier contact with the same call, else from
// the zones of the call's country; the Swisslog SP field is the received zone.
class TCQZoneContest : public TContestLog {
public:
    void CreateAndAppendQSO(bool setEditedFlag) override;
    std::string GetRcvdNumberToAppend(int qsoIndex, int numberIndex, std::vector<std::string>& rcvdList) override;
    std::string GetSwisslogSPField(int qsoIndex) const override;
};

}  // namespace qz
