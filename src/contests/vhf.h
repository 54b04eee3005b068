// IARU VHF/UHF/SHF contest scored by distance.
#pragma once

#include "engine/contestlog.h"

namespace qz {

// Serial number (0) and locator (1); no multipliers.
class T_VHF : public TContestLog {
public:
    explicit T_VHF(const TFileHeader& header);

    void SetColumns() override;
    int GetSentNumericNumberIndex() const override { return 0; }
    int GetRcvdNumericNumberIndex() const override { return 0; }
    bool IsAVHFContest() const override { return true; }
};

}  // namespace qz
