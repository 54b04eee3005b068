// DXpedition log: no contest, it counts countries per band on every band and mode.
#pragma once

#include <string>
#include <vector>

#include "engine/contestlog.h"

namespace qz {

// No exchange and no points; countries per band; the same station counts once per
// band and mode.
class T_DXPDN : public TContestLog {
public:
    explicit T_DXPDN(const TFileHeader& header);

    std::string GetMulti(int index, int multiIndex) override;
    // The base overview without points and final result: QSO counts and countries of
    // all 27 bands and the totals.
    void WriteResults(std::vector<std::string>& destination) const override;
    void CreateAndAppendQSO(bool setEditedFlag) override;
};

}  // namespace qz
