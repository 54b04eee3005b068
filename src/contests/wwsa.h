// South America contest for stations outside South America.
#pragma once

#include "engine/contestlog.h"

namespace qz {

// CQ zone exchanged; countries and zones per band.
class T_WWSA_DX : public TContestLog {
public:
    explicit T_WWSA_DX(const TFileHeader& header);

    void SetColumns() override;
};

}  // namespace qz
