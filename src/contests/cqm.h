// CQ-M contest: countries per band, satellite QSOs included.
#pragma once

#include "engine/contestlog.h"

namespace qz {

// Serial numbers exchanged; countries per band.
class T_CQM : public TContestLog {
public:
    explicit T_CQM(const TFileHeader& header);

    void SetColumns() override;
    int GetSentNumericNumberIndex() const override { return 0; }
    int GetRcvdNumericNumberIndex() const override { return 0; }
};

}  // namespace qz
