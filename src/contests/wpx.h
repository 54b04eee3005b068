// Rules of the CQ WPX contests (CW, SSB, RTTY): serial numbers are exchanged and every
// WPX prefix worked counts once per log as multiplier.
#pragma once

#include <cstdint>
#include <string>

#include "engine/contestlog.h"

namespace qz {

class T_WPX : public TContestLog {
public:
    explicit T_WPX(const TFileHeader& header);

    std::string GetMulti(int index, int multiIndex) override;
    std::int32_t GetPoints(int index) override;
    void CreateAndAppendQSO(bool setEditedFlag) override;
    int GetSentNumericNumberIndex() const override;
    int GetRcvdNumericNumberIndex() const override;

protected:
    void AfterInit() override;
};

}  // namespace qz
