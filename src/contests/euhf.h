// European HF championship: QSOs with European stations only.
#pragma once

#include "engine/contestlog.h"

namespace qz {

// Year of first licence exchanged; those years are the multipliers per band.
class T_EUHF : public TContestLog {
public:
    explicit T_EUHF(const TFileHeader& header);

    void SetColumns() override;
};

}  // namespace qz
