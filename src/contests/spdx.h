// SP DX contest: the foreign side (T_SPDX_DX) and the Polish side (T_SPDX_SP).
#pragma once

#include "engine/contestlog.h"

namespace qz {

// Foreign stations: serial numbers sent, voivodeships ("spdx.dat") per band.
// Not scored yet: only the definition and the columns are built (the factory marks the
// contest NotBuilt, so no front end reports its score).
class T_SPDX_DX : public TContestLog {
public:
    explicit T_SPDX_DX(const TFileHeader& header);

    void SetColumns() override;
    int GetSentNumericNumberIndex() const override { return 0; }
};

// Polish stations: voivodeship sent, countries per band.
// Not scored yet: only the definition and the columns are built (the factory marks the
// contest NotBuilt, so no front end reports its score).
class T_SPDX_SP : public TContestLog {
public:
    explicit T_SPDX_SP(const TFileHeader& header);

    void SetColumns() override;
    int GetRcvdNumericNumberIndex() const override { return 0; }
};

}  // namespace qz
