// UBA DX contest (CW and SSB): Belgian provinces and prefixes, European countries.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/contestlog.h"

namespace qz {

// Serial number sent; Belgian stations send their province ("uba.dat") as the second
// number and bring province and prefix; European countries ("eu_cty.dat") count as well;
// all per band.
class T_UBA_DX : public TContestLog {
public:
    explicit T_UBA_DX(const TFileHeader& header);

    std::string GetMulti(int index, int multiIndex) override;
    std::int32_t GetPoints(int index) override;
    void CreateAndAppendQSO(bool setEditedFlag) override;
    std::string GetRcvdNumberToAppend(int qsoIndex, int numberIndex, std::vector<std::string>& rcvdList) override;
    std::string GetSwisslogSPField(int qsoIndex) const override;
    int GetSentNumericNumberIndex() const override { return 0; }
};

}  // namespace qz
