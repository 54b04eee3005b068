// European HF championship: QSOs with European stations only.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/contestlog.h"

namespace qz {

// Year of first licence exchanged; those years are the multipliers per band; the same
// station counts once per band and mode.
class T_EUHF : public TContestLog {
public:
    explicit T_EUHF(const TFileHeader& header);

    std::string GetMulti(int index, int multiIndex) override;
    std::int32_t GetPoints(int index) override;
    void CreateAndAppendQSO(bool setEditedFlag) override;
    std::string GetRcvdNumberToAppend(int qsoIndex, int numberIndex, std::vector<std::string>& rcvdList) override;
    // Only QSOs with European stations count.
    bool IsValidQSO(int index, bool showMessage) override;
    std::string GetSwisslogSPField(int qsoIndex) const override;
};

}  // namespace qz
