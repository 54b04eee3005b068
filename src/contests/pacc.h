// PACC contest: the foreign side (T_PACC_DX) and the Dutch side (T_PACC_PA).
#pragma once

#include "engine/contestlog.h"

namespace qz {

// Foreign stations: serial numbers sent, Dutch provinces ("pacc.dat") per band.
// Not scored yet: only the definition and the columns are built (the factory marks the
// contest NotBuilt, so no front end reports its score).
class T_PACC_DX : public TContestLog {
public:
    explicit T_PACC_DX(const TFileHeader& header);

    void SetColumns() override;
    int GetSentNumericNumberIndex() const override { return 0; }
};

// Dutch stations: province sent, countries and call areas per band.
// Not scored yet: only the definition and the columns are built (the factory marks the
// contest NotBuilt, so no front end reports its score).
class T_PACC_PA : public TContestLog {
public:
    explicit T_PACC_PA(const TFileHeader& header);

    void SetColumns() override;
    int GetRcvdNumericNumberIndex() const override { return 0; }
    bool IsSpecialCountry(int qsoIndex) const override;
    void SetSpecialCountries() override;
};

}  // namespace qz
