// OK RTTY contest: CQ zones exchanged, countries and OK calls per band.
#pragma once

#include "engine/contestlog.h"

namespace qz {

// CQ zone exchanged; countries and Czech calls per band.
class T_OK_RTTY : public TContestLog {
public:
    explicit T_OK_RTTY(const TFileHeader& header);

    void SetColumns() override;
};

}  // namespace qz
