// WNA contest on 2m and 70cm: DOKs listed in "wna.dat" count as multipliers.
#pragma once

#include "engine/contestlog.h"

namespace qz {

// DOK exchange; the listed DOKs of German stations are the multipliers.
// Not scored yet: only the definition and the columns are built (the factory marks the
// contest NotBuilt, so no front end reports its score).
class T_WNA : public TContestLog {
public:
    explicit T_WNA(const TFileHeader& header);

    void SetColumns() override;
    bool IsSpecialCountry(int qsoIndex) const override;
    void SetSpecialCountries() override;
};

}  // namespace qz
