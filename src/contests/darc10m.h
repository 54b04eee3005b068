// DARC 10m contest: serial number and DOK exchanged.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/contestlog.h"

namespace qz {

// Countries (kind 0) and the DOKs of German stations (kind 1), each once per log.
class T_DARC10M : public TContestLog {
public:
    explicit T_DARC10M(const TFileHeader& header);

    std::string GetMulti(int index, int multiIndex) override;
    std::int32_t GetPoints(int index) override;
    void CreateAndAppendQSO(bool setEditedFlag) override;
    std::string GetRcvdNumberToAppend(int qsoIndex, int numberIndex, std::vector<std::string>& rcvdList) override;
    std::string GetSwisslogSPField(int qsoIndex) const override;
    std::string GetDOKFromRcvdNumber(int qsoIndex) const override { return GetSwisslogSPField(qsoIndex); }
    int GetSentNumericNumberIndex() const override { return 0; }
    int GetRcvdNumericNumberIndex() const override { return 0; }
    std::string GetSpecialSTFCategory() const override { return {}; }
};

}  // namespace qz
