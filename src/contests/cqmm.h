// CQMM contest: South American prefixes per band, countries once per log.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/contestlog.h"

namespace qz {

// A constant exchange whose third character marks the station class ("M", "Q" or "Y"
// score 10 points).
class T_CQMM : public TContestLog {
public:
    explicit T_CQMM(const TFileHeader& header);

    std::string GetMulti(int index, int multiIndex) override;
    std::int32_t GetPoints(int index) override;
    void CreateAndAppendQSO(bool setEditedFlag) override;
    std::string GetRcvdNumberToAppend(int qsoIndex, int numberIndex, std::vector<std::string>& rcvdList) override;
};

}  // namespace qz
