// QRP contest cOQRP: serial number and power class exchanged.
#pragma once

#include "engine/contestlog.h"

namespace qz {

// Serial number (0) and power class (1); countries per band.
class T_OQRP : public TContestLog {
public:
    explicit T_OQRP(const TFileHeader& header);

    void SetColumns() override;
    int GetSentNumericNumberIndex() const override { return 0; }
    int GetRcvdNumericNumberIndex() const override { return 0; }
};

}  // namespace qz
