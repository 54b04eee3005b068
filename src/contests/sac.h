// Scandinavian Activity Contest: stations outside Scandinavia (T_SAC) and Scandinavian
// stations (T_SAC_SC); the user selects the side.
#pragma once

#include "engine/contestlog.h"

namespace qz {

// Stations outside Scandinavia: Scandinavian districts per band.
// Not scored yet: only the definition and the columns are built (the factory marks the
// contest NotBuilt, so no front end reports its score).
class T_SAC : public TContestLog {
public:
    explicit T_SAC(const TFileHeader& header);

    void SetColumns() override;
    int GetSentNumericNumberIndex() const override { return 0; }
    int GetRcvdNumericNumberIndex() const override { return 0; }
};

// Scandinavian stations: countries per band.
// Not scored yet: only the definition and the columns are built (the factory marks the
// contest NotBuilt, so no front end reports its score).
class T_SAC_SC : public TContestLog {
public:
    explicit T_SAC_SC(const TFileHeader& header);

    void SetColumns() override;
    int GetSentNumericNumberIndex() const override { return 0; }
    int GetRcvdNumericNumberIndex() const override { return 0; }
};

}  // namespace qz
