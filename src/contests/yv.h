// Venezuelan contest: Venezuelan call areas and countries.
#pragma once

#include <cstdint>
#include <string>

#include "engine/contestlog.h"

namespace qz {

// Serial numbers; Venezuelan districts and countries per band; dupes per band and mode.
class T_YV : public TContestLog {
public:
    explicit T_YV(const TFileHeader& header);

    std::string GetMulti(int index, int multiIndex) override;
    std::int32_t GetPoints(int index) override;
    void CreateAndAppendQSO(bool setEditedFlag) override;
    int GetSentNumericNumberIndex() const override { return 0; }
    int GetRcvdNumericNumberIndex() const override { return 0; }
};

}  // namespace qz
