// Colombian contest: the foreign side (T_HK_DX) and the Colombian side (T_HK_HK), including
// San Andres (HK0/a) and Malpelo (HK0/m).
#pragma once

#include "engine/contestlog.h"

namespace qz {

// Foreign stations: countries and Colombian districts per band.
// Not scored yet: only the definition and the columns are built (the factory marks the
// contest NotBuilt, so no front end reports its score).
class T_HK_DX : public TContestLog {
public:
    explicit T_HK_DX(const TFileHeader& header);

    void SetColumns() override;
    int GetSentNumericNumberIndex() const override { return 0; }
    int GetRcvdNumericNumberIndex() const override { return 0; }
};

// Colombian stations: countries and Colombian districts per band.
// Not scored yet: only the definition and the columns are built (the factory marks the
// contest NotBuilt, so no front end reports its score).
class T_HK_HK : public TContestLog {
public:
    explicit T_HK_HK(const TFileHeader& header);

    void SetColumns() override;
    int GetSentNumericNumberIndex() const override { return 0; }
    int GetRcvdNumericNumberIndex() const override { return 0; }
};

}  // namespace qz
