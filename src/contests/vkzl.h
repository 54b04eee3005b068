// Oceania DX contest (CW and SSB): Oceanian prefixes once per log.
#pragma once

#include "engine/contestlog.h"

namespace qz {

// Serial numbers; prefixes of Oceanian stations.
class T_VKZL : public TContestLog {
public:
    explicit T_VKZL(const TFileHeader& header);

    void SetColumns() override;
    int GetSentNumericNumberIndex() const override { return 0; }
    int GetRcvdNumericNumberIndex() const override { return 0; }
};

}  // namespace qz
