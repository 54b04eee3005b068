// QRP-QRP party: serial number and power class exchanged.
#pragma once

#include "engine/contestlog.h"

namespace qz {

// Serial number (0) and power class (1); countries per band.
// Not scored yet: only the definition and the columns are built (the factory marks the
// contest NotBuilt, so no front end reports its score).
class T_QRP_QRP : public TContestLog {
public:
    explicit T_QRP_QRP(const TFileHeader& header);

    void SetColumns() override;
    int GetSentNumericNumberIndex() const override { return 0; }
    int GetRcvdNumericNumberIndex() const override { return 0; }
};

}  // namespace qz
