// German Telegraphy Contest (DTC): listed stations score double.
#pragma once

#include "engine/contestlog.h"

namespace qz {

// No multipliers; "dtc.dat" lists the calls that score double.
class T_DTC : public TContestLog {
public:
    explicit T_DTC(const TFileHeader& header);

    void SetColumns() override;
    bool IsSpecialCountry(int qsoIndex) const override;
    void SetSpecialCountries() override;
};

}  // namespace qz
