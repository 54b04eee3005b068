// IARU HF championship: ITU zones and headquarters stations.
#pragma once

#include "engine/contestlog.h"

namespace qz {

// ITU zone or headquarters text exchanged; zones and headquarters per band.
class T_IARU : public TContestLog {
public:
    explicit T_IARU(const TFileHeader& header);

    void SetColumns() override;
};

}  // namespace qz
