// Oceania DX contest (CW and SSB): Oceanian prefixes once per log.
#pragma once

#include <cstdint>
#include <string>

#include "engine/contestlog.h"

namespace qz {

// Everyone works stations in Oceania: serial numbers; prefixes once per log; points
// by band for QSOs with another continent.
class T_VKZL : public TContestLog {
public:
    explicit T_VKZL(const TFileHeader& header);

    bool IsValidQSO(int index, bool showMessage) override;
    std::string GetMulti(int index, int multiIndex) override;
    std::int32_t GetPoints(int index) override;
    void CreateAndAppendQSO(bool setEditedFlag) override;
    int GetSentNumericNumberIndex() const override { return 0; }
    int GetRcvdNumericNumberIndex() const override { return 0; }
};

}  // namespace qz
