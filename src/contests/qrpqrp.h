// QRP-QRP party: serial number and power class exchanged.
#pragma once

#include <cstdint>
#include <string>

#include "engine/contestlog.h"

namespace qz {

// Serial number (0) and power class (1); countries per band, points by power class.
class T_QRP_QRP : public TContestLog {
public:
    explicit T_QRP_QRP(const TFileHeader& header);

    std::string GetMulti(int index, int multiIndex) override;
    std::int32_t GetPoints(int index) override;
    void CreateAndAppendQSO(bool setEditedFlag) override;
    std::string GetSwisslogSPField(int qsoIndex) const override;
    int GetSentNumericNumberIndex() const override { return 0; }
    int GetRcvdNumericNumberIndex() const override { return 0; }
};

}  // namespace qz
