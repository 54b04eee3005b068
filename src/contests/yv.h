// Venezuelan contest: Venezuelan call areas and countries.
#pragma once

#include "engine/contestlog.h"

namespace qz {

// Serial numbers; Venezuelan districts and countries per band.
// Not scored yet: only the definition and the columns are built (the factory marks the
// contest NotBuilt, so no front end reports its score).
class T_YV : public TContestLog {
public:
    explicit T_YV(const TFileHeader& header);

    void SetColumns() override;
    int GetSentNumericNumberIndex() const override { return 0; }
    int GetRcvdNumericNumberIndex() const override { return 0; }
};

}  // namespace qz
