// LZ DX contest: ITU zones and Bulgarian districts.
#pragma once

#include "engine/contestlog.h"

namespace qz {

// ITU zone sent; zones of foreign and districts ("lzdx.dat") of Bulgarian stations per band.
// Not scored yet: only the definition and the columns are built (the factory marks the
// contest NotBuilt, so no front end reports its score).
class T_LZDX_DX : public TContestLog {
public:
    explicit T_LZDX_DX(const TFileHeader& header);

    void SetColumns() override;
};

}  // namespace qz
