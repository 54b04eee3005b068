// IOTA contest: island references exchanged besides the serial number.
#pragma once

#include "engine/contestlog.h"

namespace qz {

// Serial number (0) and island reference (1); islands per band, CW and SSB apart.
// The category shows the operating time.
class T_IOTA : public TContestLog {
public:
    explicit T_IOTA(const TFileHeader& header);

    void SetColumns() override;
    int GetSentNumericNumberIndex() const override { return 0; }
    int GetRcvdNumericNumberIndex() const override { return 0; }

protected:
    void AfterInit() override;
};

}  // namespace qz
