// PA Beker contest (CW and SSB): QSOs with Dutch stations, Dutch regions as multipliers.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/contestlog.h"

namespace qz {

// Region exchanged; only QSOs with Dutch stations count, one point each; regions
// ("pa_beker.dat") per band.
class T_PA_BEKER : public TContestLog {
public:
    explicit T_PA_BEKER(const TFileHeader& header);

    bool IsValidQSO(int index, bool showMessage) override;
    std::string GetMulti(int index, int multiIndex) override;
    std::int32_t GetPoints(int index) override;
    void CreateAndAppendQSO(bool setEditedFlag) override;
    std::string GetRcvdNumberToAppend(int qsoIndex, int numberIndex, std::vector<std::string>& rcvdList) override;
    std::string GetSwisslogSPField(int qsoIndex) const override;
};

}  // namespace qz
