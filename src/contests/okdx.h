// OK/OM DX contest: the foreign side (T_OKDX_DX) and the Czech and Slovak side (T_OKDX_OK).
#pragma once

#include "engine/contestlog.h"

namespace qz {

// Foreign stations: serial numbers sent, districts of OK/OM stations ("okom.dat") per band.
// Not scored yet: only the definition and the columns are built (the factory marks the
// contest NotBuilt, so no front end reports its score).
class T_OKDX_DX : public TContestLog {
public:
    explicit T_OKDX_DX(const TFileHeader& header);

    void SetColumns() override;
    int GetSentNumericNumberIndex() const override { return 0; }
};

// Czech and Slovak stations: district sent, prefixes per band.
// Not scored yet: only the definition and the columns are built (the factory marks the
// contest NotBuilt, so no front end reports its score).
class T_OKDX_OK : public TContestLog {
public:
    explicit T_OKDX_OK(const TFileHeader& header);

    void SetColumns() override;
    int GetRcvdNumericNumberIndex() const override { return 0; }
};

}  // namespace qz
