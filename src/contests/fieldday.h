// IARU Region 1 field day in its DARC and USKA variants (CW and SSB each).
#pragma once

#include <cstdint>
#include <string>

#include "engine/contestlog.h"

namespace qz {

// Serial numbers; countries per band; portable stations score double, so call extensions
// matter.
class T_FD : public TContestLog {
public:
    explicit T_FD(const TFileHeader& header);

    std::string GetMulti(int index, int multiIndex) override;
    std::int32_t GetPoints(int index) override;
    void CreateAndAppendQSO(bool setEditedFlag) override;
    int GetSentNumericNumberIndex() const override { return 0; }
    int GetRcvdNumericNumberIndex() const override { return 0; }
    bool IsAnExtensionRelevantContest() const override { return true; }
};

}  // namespace qz
