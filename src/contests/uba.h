// UBA DX contest (CW and SSB): Belgian provinces and prefixes, European countries.
#pragma once

#include "engine/contestlog.h"

namespace qz {

// Serial number sent; Belgian stations send their province ("uba.dat"); European countries
// ("eu_cty.dat") count as well.
// Not scored yet: only the definition and the columns are built (the factory marks the
// contest NotBuilt, so no front end reports its score).
class T_UBA_DX : public TContestLog {
public:
    explicit T_UBA_DX(const TFileHeader& header);

    void SetColumns() override;
    int GetSentNumericNumberIndex() const override { return 0; }
};

}  // namespace qz
