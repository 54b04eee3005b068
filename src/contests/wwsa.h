// South America contest for stations outside South America.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "contests/cqzone.h"
#include "engine/contestlog.h"

namespace qz {

// CQ zone exchanged; countries and zones per band.
class T_WWSA_DX : public TCQZoneContest {
public:
    explicit T_WWSA_DX(const TFileHeader& header);

    std::string GetMulti(int index, int multiIndex) override;
    std::int32_t GetPoints(int index) override;
};

}  // namespace qz
