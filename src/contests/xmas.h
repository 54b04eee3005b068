// DARC Christmas contest: DOKs and prefixes per band on 80m and 40m.
#pragma once

#include "engine/contestlog.h"

namespace qz {

// German stations send their DOK; multipliers are DOKs and WPX prefixes.
// Not scored yet: only the definition and the columns are built (the factory marks the
// contest NotBuilt, so no front end reports its score).
class T_XMAS : public TContestLog {
public:
    explicit T_XMAS(const TFileHeader& header);

    void SetColumns() override;
    bool IsSpecialCountry(int qsoIndex) const override;
    void SetSpecialCountries() override;
};

}  // namespace qz
