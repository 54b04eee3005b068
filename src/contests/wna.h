// WNA contest on 2m and 70cm: DOKs listed in "wna.dat" count as multipliers.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/contestlog.h"

namespace qz {

// DOK exchange; the listed DOKs of German stations are the multipliers. A station
// counts once in the whole log; points depend on the mode.
class T_WNA : public TContestLog {
public:
    explicit T_WNA(const TFileHeader& header);

    std::string GetMulti(int index, int multiIndex) override;
    std::int32_t GetPoints(int index) override;
    void CreateAndAppendQSO(bool setEditedFlag) override;
    std::string GetRcvdNumberToAppend(int qsoIndex, int numberIndex, std::vector<std::string>& rcvdList) override;
    std::string GetSwisslogSPField(int qsoIndex) const override;
    std::string GetDOKFromRcvdNumber(int qsoIndex) const override { return GetSwisslogSPField(qsoIndex); }
};

}  // namespace qz
