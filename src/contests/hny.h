// Happy New Year contest: serial and club member number exchanged.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/contestlog.h"

namespace qz {

// Serial number (0) and member number (1, filled in from "AGCWMBR.QZ"); member numbers
// count per band.
class T_HNY : public TContestLog {
public:
    explicit T_HNY(const TFileHeader& header);

    std::string GetMulti(int index, int multiIndex) override;
    std::int32_t GetPoints(int index) override;
    void WriteResults(std::vector<std::string>& destination) const override;
    void CreateAndAppendQSO(bool setEditedFlag) override;
    std::string GetRcvdNumberToAppend(int qsoIndex, int numberIndex, std::vector<std::string>& rcvdList) override;
    void SetCallDependingStuff(int qsoIndex) override;
    std::string GetSwisslogSPField(int qsoIndex) const override;
    int GetSentNumericNumberIndex() const override { return 0; }
    int GetRcvdNumericNumberIndex() const override { return 0; }
};

}  // namespace qz
