// Oceania DX contest (CW and SSB): Oceanian prefixes once per log.
#pragma once

#include "engine/contestlog.h"

namespace qz {

// Serial numbers; prefixes of Oceanian stations.
// Not scored yet: only the definition and the columns are built (the factory marks the
// contest NotBuilt, so no front end reports its score).
class T_VKZL : public TContestLog {
public:
    explicit T_VKZL(const TFileHeader& header);

    void SetColumns() override;
    int GetSentNumericNumberIndex() const override { return 0; }
    int GetRcvdNumericNumberIndex() const override { return 0; }
};

}  // namespace qz
