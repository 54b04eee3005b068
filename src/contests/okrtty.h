// OK RTTY contest: CQ zones exchanged, countries and OK calls per band.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "contests/cqzone.h"
#include "engine/contestlog.h"

namespace qz {

// CQ zone exchanged; countries (kind 0) and Czech calls (kind 1) per band.
class T_OK_RTTY : public TCQZoneContest {
public:
    explicit T_OK_RTTY(const TFileHeader& header);

    std::string GetMulti(int index, int multiIndex) override;
    std::int32_t GetPoints(int index) override;
};

}  // namespace qz
