// Day of YLs: an exchange and "YL" or "OM", no multipliers.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/contestlog.h"

namespace qz {

// Only QSOs with YLs score; the same station counts once per band and mode.
class T_DAY_OF_YLs : public TContestLog {
public:
    explicit T_DAY_OF_YLs(const TFileHeader& header);

    std::int32_t GetPoints(int index) override;
    // The first line of a log asks for the sent exchange and whether the own operator
    // is a YL (sent number 1 "YL", otherwise "OM").
    void CreateAndAppendQSO(bool setEditedFlag) override;
    std::string GetRcvdNumberToAppend(int qsoIndex, int numberIndex, std::vector<std::string>& rcvdList) override;
};

}  // namespace qz
