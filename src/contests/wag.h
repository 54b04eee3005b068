// WAG contest: the German side (T_WAGDL) and the foreign side (T_WAGDX); each hands a log of
// the other side's station to the other class.
#pragma once

#include "engine/contestlog.h"

namespace qz {

// German stations: DOK sent, countries per band.
// Not scored yet: only the definition and the columns are built (the factory marks the
// contest NotBuilt, so no front end reports its score).
class T_WAGDL : public TContestLog {
public:
    explicit T_WAGDL(const TFileHeader& header);

    void SetColumns() override;
    bool IsSpecialCountry(int qsoIndex) const override;
    void SetSpecialCountries() override;
};

// Foreign stations: serial numbers sent, DOK letters of German stations per band.
// Not scored yet: only the definition and the columns are built (the factory marks the
// contest NotBuilt, so no front end reports its score).
class T_WAGDX : public TContestLog {
public:
    explicit T_WAGDX(const TFileHeader& header);

    void SetColumns() override;
    int GetSentNumericNumberIndex() const override { return 0; }
};

}  // namespace qz
