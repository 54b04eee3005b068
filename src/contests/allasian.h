// All Asian DX contest: stations outside Asia (T_AADX) and Asian stations (T_AA_ASIA); the
// user selects the side.
#pragma once

#include "engine/contestlog.h"

namespace qz {

// Stations outside Asia: age exchanged; Asian prefixes per band.
// Not scored yet: only the definition and the columns are built (the factory marks the
// contest NotBuilt, so no front end reports its score).
class T_AADX : public TContestLog {
public:
    explicit T_AADX(const TFileHeader& header);

    void SetColumns() override;
};

// Asian stations: age exchanged; countries per band.
// Not scored yet: only the definition and the columns are built (the factory marks the
// contest NotBuilt, so no front end reports its score).
class T_AA_ASIA : public TContestLog {
public:
    explicit T_AA_ASIA(const TFileHeader& header);

    void SetColumns() override;
};

}  // namespace qz
