// German contests whose exchange is the DOK and the locator, for the line entry they
// share.
#pragma once

#include <string>
#include <vector>

#include "engine/contestlog.h"

namespace qz {

// The first line asks for the own DOK (German stations only) and the own locator, later
// lines repeat the line above's; the first line is on 80 m. The received DOK is
// suggested from an earlier line of a German station or from the DOK table; the
// Swisslog SP field and the DOK of a line are the received DOK of a German station.
class TDOKLocatorContest : public TContestLog {
public:
    void CreateAndAppendQSO(bool setEditedFlag) override;
    std::string GetRcvdNumberToAppend(int qsoIndex, int numberIndex, std::vector<std::string>& rcvdList) override;
    std::string GetSwisslogSPField(int qsoIndex) const override;
    std::string GetDOKFromRcvdNumber(int qsoIndex) const override { return GetSwisslogSPField(qsoIndex); }
};

}  // namespace qz
