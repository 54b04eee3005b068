// LZ DX contest: ITU zones and Bulgarian districts.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/contestlog.h"

namespace qz {

// ITU zone sent; zones of foreign and districts ("lzdx.dat") of Bulgarian stations per
// band; dupes per band and mode.
class T_LZDX_DX : public TContestLog {
public:
    explicit T_LZDX_DX(const TFileHeader& header);

    std::string GetMulti(int index, int multiIndex) override;
    std::int32_t GetPoints(int index) override;
    void CreateAndAppendQSO(bool setEditedFlag) override;
    std::string GetRcvdNumberToAppend(int qsoIndex, int numberIndex, std::vector<std::string>& rcvdList) override;
    std::string GetSwisslogSPField(int qsoIndex) const override;
};

}  // namespace qz
