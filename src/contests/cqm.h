// CQ-M contest: countries per band, satellite QSOs included.
#pragma once

#include <cstdint>
#include <string>

#include "engine/contestlog.h"

namespace qz {

// Serial numbers exchanged; countries per band.
class T_CQM : public TContestLog {
public:
    explicit T_CQM(const TFileHeader& header);

    std::string GetMulti(int index, int multiIndex) override;
    std::int32_t GetPoints(int index) override;
    void CreateAndAppendQSO(bool setEditedFlag) override;
    int GetSentNumericNumberIndex() const override { return 0; }
    int GetRcvdNumericNumberIndex() const override { return 0; }
};

}  // namespace qz
