// German Telegraphy Contest (DTC): listed stations score double.
#pragma once

#include "engine/contestlog.h"

namespace qz {

// No multipliers; "dtc.dat" lists the calls that score double.
// Not scored yet: only the definition and the columns are built (the factory marks the
// contest NotBuilt, so no front end reports its score).
class T_DTC : public TContestLog {
public:
    explicit T_DTC(const TFileHeader& header);

    void SetColumns() override;
    bool IsSpecialCountry(int qsoIndex) const override;
    void SetSpecialCountries() override;
};

}  // namespace qz
