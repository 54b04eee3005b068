// Russian DX contest: countries and oblasts of Russian stations.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/contestlog.h"

namespace qz {

// Serial numbers; only Russian stations bring multipliers: their country (the country
// file's Russian entities) and their oblast ("oblast.dat") per band; dupes per band and
// mode.
class T_UADX_DX : public TContestLog {
public:
    explicit T_UADX_DX(const TFileHeader& header);

    std::string GetMulti(int index, int multiIndex) override;
    std::int32_t GetPoints(int index) override;
    void CreateAndAppendQSO(bool setEditedFlag) override;
    std::string GetRcvdNumberToAppend(int qsoIndex, int numberIndex, std::vector<std::string>& rcvdList) override;
    std::string GetSwisslogSPField(int qsoIndex) const override;
    int GetSentNumericNumberIndex() const override { return 0; }
    std::string GetSpecialCountries() const override;
};

}  // namespace qz
