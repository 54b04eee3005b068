// IOTA contest: island references exchanged besides the serial number.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/contestlog.h"

namespace qz {

// Serial number (0) and island reference (1); islands per band, CW (kind 0) and SSB
// (kind 1) apart; the same station counts once per band and mode. The category shows
// the operating time.
class T_IOTA : public TContestLog {
public:
    explicit T_IOTA(const TFileHeader& header);

    std::string GetMulti(int index, int multiIndex) override;
    std::int32_t GetPoints(int index) override;
    void CreateAndAppendQSO(bool setEditedFlag) override;
    std::string GetRcvdNumberToAppend(int qsoIndex, int numberIndex, std::vector<std::string>& rcvdList) override;
    // The normal form of the received island reference.
    std::string GetSwisslogSPField(int qsoIndex) const override;
    int GetSentNumericNumberIndex() const override { return 0; }
    int GetRcvdNumericNumberIndex() const override { return 0; }

protected:
    void AfterInit() override;
};

}  // namespace qz
