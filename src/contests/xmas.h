// DARC Christmas contest: DOKs and prefixes per band on 80m and 40m.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/contestlog.h"

namespace qz {

// German stations send their DOK; multipliers are DOKs and WPX prefixes.
class T_XMAS : public TContestLog {
public:
    explicit T_XMAS(const TFileHeader& header);

    std::string GetMulti(int index, int multiIndex) override;
    std::int32_t GetPoints(int index) override;
    void CreateAndAppendQSO(bool setEditedFlag) override;
    std::string GetRcvdNumberToAppend(int qsoIndex, int numberIndex, std::vector<std::string>& rcvdList) override;
    std::string GetSwisslogSPField(int qsoIndex) const override;
    std::string GetDOKFromRcvdNumber(int qsoIndex) const override { return GetSwisslogSPField(qsoIndex); }
    std::string GetSpecialSTFCategory() const override { return {}; }
};

}  // namespace qz
