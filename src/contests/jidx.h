// Japan International DX contest (CW and SSB): Japanese prefectures.
#pragma once

#include "engine/contestlog.h"

namespace qz {

// CQ zone sent; prefectures ("jadx.dat") of Japanese stations per band.
// Not scored yet: only the definition and the columns are built (the factory marks the
// contest NotBuilt, so no front end reports its score).
class T_JA_DX : public TContestLog {
public:
    explicit T_JA_DX(const TFileHeader& header);

    void SetColumns() override;
};

}  // namespace qz
