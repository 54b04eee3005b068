// Swiss contests sharing the canton table "helvetia.dat": the Helvetia contest for foreign
// (T_HELVET_DX) and Swiss stations (T_HELVET_HB), and the Swiss Christmas contest (T_XMAS_HB).
#pragma once

#include "engine/contestlog.h"

namespace qz {

// Foreign stations: serial numbers sent, cantons of Swiss stations per band.
// Not scored yet: only the definition and the columns are built (the factory marks the
// contest NotBuilt, so no front end reports its score).
class T_HELVET_DX : public TContestLog {
public:
    explicit T_HELVET_DX(const TFileHeader& header);

    void SetColumns() override;
    int GetSentNumericNumberIndex() const override { return 0; }
};

// Swiss stations: serial number and canton sent; countries and cantons per band.
// Not scored yet: only the definition and the columns are built (the factory marks the
// contest NotBuilt, so no front end reports its score).
class T_HELVET_HB : public TContestLog {
public:
    explicit T_HELVET_HB(const TFileHeader& header);

    void SetColumns() override;
};

// Swiss Christmas contest (CW, SSB and PSK variants): cantons per band.
// Not scored yet: only the definition and the columns are built (the factory marks the
// contest NotBuilt, so no front end reports its score).
class T_XMAS_HB : public TContestLog {
public:
    explicit T_XMAS_HB(const TFileHeader& header);

    void SetColumns() override;
    int GetSentNumericNumberIndex() const override { return 0; }
    int GetRcvdNumericNumberIndex() const override { return 0; }
};

}  // namespace qz
