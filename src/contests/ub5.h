// Ukrainian DX contest: countries and Ukrainian oblasts.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/contestlog.h"

namespace qz {

// Serial numbers; countries of all and oblasts ("ukrain.dat") of Ukrainian stations per
// band; dupes per band and mode.
class T_UB5_DX : public TContestLog {
public:
    explicit T_UB5_DX(const TFileHeader& header);

    std::string GetMulti(int index, int multiIndex) override;
    std::int32_t GetPoints(int index) override;
    void CreateAndAppendQSO(bool setEditedFlag) override;
    std::string GetRcvdNumberToAppend(int qsoIndex, int numberIndex, std::vector<std::string>& rcvdList) override;
    std::string GetSwisslogSPField(int qsoIndex) const override;
    int GetSentNumericNumberIndex() const override { return 0; }
};

}  // namespace qz
