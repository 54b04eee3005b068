// WNA contest on 2m and 70cm: DOKs listed in "wna.dat" count as multipliers.
#pragma once

#include "engine/contestlog.h"

namespace qz {

// DOK exchange; the listed DOKs of German stations are the multipliers.
class T_WNA : public TContestLog {
public:
    explicit T_WNA(const TFileHeader& header);

    void SetColumns() override;
    bool IsSpecialCountry(int qsoIndex) const override;
    void SetSpecialCountries() override;
};

}  // namespace qz
