// Ukrainian DX contest: countries and Ukrainian oblasts.
#pragma once

#include "engine/contestlog.h"

namespace qz {

// Serial numbers; countries and oblasts ("ukrain.dat") of Ukrainian stations per band.
// Not scored yet: only the definition and the columns are built (the factory marks the
// contest NotBuilt, so no front end reports its score).
class T_UB5_DX : public TContestLog {
public:
    explicit T_UB5_DX(const TFileHeader& header);

    void SetColumns() override;
    int GetSentNumericNumberIndex() const override { return 0; }
    bool IsSpecialCountry(int qsoIndex) const override;
    void SetSpecialCountries() override;
};

}  // namespace qz
