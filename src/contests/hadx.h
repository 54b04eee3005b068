// HA DX contest: the foreign side (T_HADX_DX) and the Hungarian side (T_HADX_HA).
#pragma once

#include "engine/contestlog.h"

namespace qz {

// Foreign stations: serial numbers sent, counties ("hadx.dat") or club member numbers
// ("HADXCMBR.QZ") of Hungarian stations per band.
// Not scored yet: only the definition and the columns are built (the factory marks the
// contest NotBuilt, so no front end reports its score).
class T_HADX_DX : public TContestLog {
public:
    explicit T_HADX_DX(const TFileHeader& header);

    void SetColumns() override;
    int GetSentNumericNumberIndex() const override { return 0; }
    bool IsSpecialCountry(int qsoIndex) const override;
    void SetSpecialCountries() override;
};

// Hungarian stations: county sent, countries per band.
// Not scored yet: only the definition and the columns are built (the factory marks the
// contest NotBuilt, so no front end reports its score).
class T_HADX_HA : public TContestLog {
public:
    explicit T_HADX_HA(const TFileHeader& header);

    void SetColumns() override;
    bool IsSpecialCountry(int qsoIndex) const override;
    void SetSpecialCountries() override;
};

}  // namespace qz
