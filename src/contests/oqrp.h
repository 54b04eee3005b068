// QRP contest cOQRP: serial number and power class exchanged.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/contestlog.h"

namespace qz {

// Serial number (0) and power class (1: "VLP", "QRP" or "MP"); countries per band.
class T_OQRP : public TContestLog {
public:
    explicit T_OQRP(const TFileHeader& header);

    std::string GetMulti(int index, int multiIndex) override;
    std::int32_t GetPoints(int index) override;
    void CreateAndAppendQSO(bool setEditedFlag) override;
    std::string GetRcvdNumberToAppend(int qsoIndex, int numberIndex, std::vector<std::string>& rcvdList) override;
    std::string GetSwisslogSPField(int qsoIndex) const override;
    int GetSentNumericNumberIndex() const override { return 0; }
    int GetRcvdNumericNumberIndex() const override { return 0; }
};

}  // namespace qz
