// HSC contest: club member numbers, no multipliers.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/contestlog.h"

namespace qz {

// Member number exchange, filled in from "HSCMBR.QZ"; members score five points. The
// contest runs in two periods, and a station may be worked again in the other one.
class T_HSC : public TContestLog {
public:
    explicit T_HSC(const TFileHeader& header);

    std::int32_t GetPoints(int index) override;
    std::int64_t GetFinalResult() const override { return Result().AllPoints(); }
    void WriteResults(std::vector<std::string>& destination) const override;
    void CreateAndAppendQSO(bool setEditedFlag) override;
    std::string GetRcvdNumberToAppend(int qsoIndex, int numberIndex, std::vector<std::string>& rcvdList) override;
    void SetCallDependingStuff(int qsoIndex) override;
    std::string GetSwisslogSPField(int qsoIndex) const override;

protected:
    std::string DupeKey(int index) const override;
};

}  // namespace qz
