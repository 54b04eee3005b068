// Day of YLs: an exchange and "YL" or "OM", no multipliers.
#pragma once

#include "engine/contestlog.h"

namespace qz {

// Only QSOs with YLs score.
class T_DAY_OF_YLs : public TContestLog {
public:
    explicit T_DAY_OF_YLs(const TFileHeader& header);

    void SetColumns() override;
};

}  // namespace qz
