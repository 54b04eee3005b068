// YO DX contest: Romanian counties and countries.
#pragma once

#include "engine/contestlog.h"

namespace qz {

// Serial numbers; countries of foreign and counties ("yodx.dat") of Romanian stations per band.
// Not scored yet: only the definition and the columns are built (the factory marks the
// contest NotBuilt, so no front end reports its score).
class T_YODX_DX : public TContestLog {
public:
    explicit T_YODX_DX(const TFileHeader& header);

    void SetColumns() override;
    int GetSentNumericNumberIndex() const override { return 0; }
    bool IsSpecialCountry(int qsoIndex) const override;
    void SetSpecialCountries() override;
};

}  // namespace qz
