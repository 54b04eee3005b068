// TOPS activity contest: serial and club member numbers.
#pragma once

#include "engine/contestlog.h"

namespace qz {

// Serial number (0) and member number (1, filled in from "PROCWMbr.qz"); prefixes per band.
class T_TOPS : public TContestLog {
public:
    explicit T_TOPS(const TFileHeader& header);

    void SetColumns() override;
    int GetSentNumericNumberIndex() const override { return 0; }
    int GetRcvdNumericNumberIndex() const override { return 0; }
};

}  // namespace qz
