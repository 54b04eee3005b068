// DARC 10m contest: serial number and DOK exchanged.
#pragma once

#include "engine/contestlog.h"

namespace qz {

// Serial number (0) and DOK (1); countries and DOKs once per log.
// Not scored yet: only the definition and the columns are built (the factory marks the
// contest NotBuilt, so no front end reports its score).
class T_DARC10M : public TContestLog {
public:
    explicit T_DARC10M(const TFileHeader& header);

    void SetColumns() override;
    int GetSentNumericNumberIndex() const override { return 0; }
    int GetRcvdNumericNumberIndex() const override { return 0; }
};

}  // namespace qz
