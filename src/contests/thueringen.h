// Thueringen contest: DOKs listed in "thueringencontest.dat" count as multipliers.
#pragma once

#include "engine/contestlog.h"

namespace qz {

// DOK exchange; the listed DOKs of German stations are the multipliers.
// Not scored yet: only the definition and the columns are built (the factory marks the
// contest NotBuilt, so no front end reports its score).
class T_Thueringen : public TContestLog {
public:
    explicit T_Thueringen(const TFileHeader& header);

    void SetColumns() override;
    bool IsSpecialCountry(int qsoIndex) const override;
    void SetSpecialCountries() override;
};

}  // namespace qz
