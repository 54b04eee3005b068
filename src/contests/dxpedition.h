// DXpedition log: no contest, it counts countries per band on every band and mode.
#pragma once

#include "engine/contestlog.h"

namespace qz {

// No exchange and no points; countries per band.
class T_DXPDN : public TContestLog {
public:
    explicit T_DXPDN(const TFileHeader& header);

    void SetColumns() override;
};

}  // namespace qz
