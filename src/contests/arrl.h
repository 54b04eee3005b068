// ARRL contests as worked from outside the USA and Canada: the international DX contest
// (T_ARRL), the 10m contest (T_ARRL10M) and the 160m contest (T_ARRL160M_DX).
#pragma once

#include "engine/contestlog.h"

namespace qz {

// Transmitter power sent; states and provinces ("ardxdx.dat") of W/VE stations per band.
// Not scored yet: only the definition and the columns are built (the factory marks the
// contest NotBuilt, so no front end reports its score).
class T_ARRL : public TContestLog {
public:
    explicit T_ARRL(const TFileHeader& header);

    void SetColumns() override;
};

// Countries and states ("ar10.dat") per band and mode; novice and technician extensions
// score double, so call extensions matter.
// Not scored yet: only the definition and the columns are built (the factory marks the
// contest NotBuilt, so no front end reports its score).
class T_ARRL10M : public TContestLog {
public:
    explicit T_ARRL10M(const TFileHeader& header);

    void SetColumns() override;
    bool IsSpecialCountry(int qsoIndex) const override;
    void SetSpecialCountries() override;
    bool IsAnExtensionRelevantContest() const override { return true; }
};

// Sections ("ar160.dat") of W/VE stations; nothing is sent besides the RST, so there is no
// sent-number column.
// Not scored yet: only the definition and the columns are built (the factory marks the
// contest NotBuilt, so no front end reports its score).
class T_ARRL160M_DX : public TContestLog {
public:
    explicit T_ARRL160M_DX(const TFileHeader& header);

    void SetColumns() override;
};

}  // namespace qz
