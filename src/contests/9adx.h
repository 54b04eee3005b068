// 9A DX contest: countries per band in every mode.
#pragma once

#include "engine/contestlog.h"

namespace qz {

// Serial numbers; countries per band; Croatian stations score most.
// Not scored yet: only the definition and the columns are built (the factory marks the
// contest NotBuilt, so no front end reports its score).
class T_9A_DX : public TContestLog {
public:
    explicit T_9A_DX(const TFileHeader& header);

    void SetColumns() override;
    int GetSentNumericNumberIndex() const override { return 0; }
    int GetRcvdNumericNumberIndex() const override { return 0; }
};

}  // namespace qz
