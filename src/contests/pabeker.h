// PA Beker contest (CW and SSB): QSOs with Dutch stations, Dutch regions as multipliers.
#pragma once

#include "engine/contestlog.h"

namespace qz {

// Region exchanged; regions ("pa_beker.dat") per band.
// Not scored yet: only the definition and the columns are built (the factory marks the
// contest NotBuilt, so no front end reports its score).
class T_PA_BEKER : public TContestLog {
public:
    explicit T_PA_BEKER(const TFileHeader& header);

    void SetColumns() override;
};

}  // namespace qz
