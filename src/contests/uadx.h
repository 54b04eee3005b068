// Russian DX contest: countries and oblasts of Russian stations.
#pragma once

#include <string>

#include "engine/contestlog.h"

namespace qz {

// Serial numbers; the Russian countries and their oblasts ("oblast.dat") per band.
// Not scored yet: only the definition and the columns are built (the factory marks the
// contest NotBuilt, so no front end reports its score).
class T_UADX_DX : public TContestLog {
public:
    explicit T_UADX_DX(const TFileHeader& header);

    void SetColumns() override;
    int GetSentNumericNumberIndex() const override { return 0; }
    bool IsSpecialCountry(int qsoIndex) const override;
    void SetSpecialCountries() override;
    std::string GetSpecialCountries() const override;
};

}  // namespace qz
