// Happy New Year contest: serial and club member number exchanged.
#pragma once

#include "engine/contestlog.h"

namespace qz {

// Serial number (0) and member number (1, filled in from "AGCWMBR.QZ").
// Not scored yet: only the definition and the columns are built (the factory marks the
// contest NotBuilt, so no front end reports its score).
class T_HNY : public TContestLog {
public:
    explicit T_HNY(const TFileHeader& header);

    void SetColumns() override;
    int GetSentNumericNumberIndex() const override { return 0; }
    int GetRcvdNumericNumberIndex() const override { return 0; }
};

}  // namespace qz
