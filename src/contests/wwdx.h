// Rules of the CQ World-Wide DX contests: CW and SSB (T_WWDX), RTTY with W/VE states
// and provinces (T_WWDX_RTTY) and the 160-metre contest (T_WWDX160M).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "contests/cqzone.h"
#include "engine/contestlog.h"

namespace qz {

// True for the master prefixes that count as W/VE stations in the RTTY contest: the
// USA, Canada and the US possessions (K, VE, KG4, KH0..KH9, KH5K, KH7K, KL, KP1..KP5).
bool IsWVECountry(std::string_view masterPrefix);

// CQ WW DX CW and SSB: exchange the CQ zone; multipliers are countries (kind 0) and
// zones (kind 1) per band.
class T_WWDX : public TCQZoneContest {
public:
    explicit T_WWDX(const TFileHeader& header);

    std::string GetMulti(int index, int multiIndex) override;
    std::int32_t GetPoints(int index) override;
};

// CQ WW DX RTTY: exchange zone and, for W/VE stations, state or province ("ardxdx.dat");
// multipliers are countries, zones and W/VE states/provinces (kinds 0, 1, 2) per band.
class T_WWDX_RTTY : public TContestLog {
public:
    explicit T_WWDX_RTTY(const TFileHeader& header);

    std::string GetMulti(int index, int multiIndex) override;
    std::int32_t GetPoints(int index) override;
    void CreateAndAppendQSO(bool setEditedFlag) override;
    std::string GetRcvdNumberToAppend(int qsoIndex, int numberIndex, std::vector<std::string>& rcvdList) override;
    std::string GetSwisslogSPField(int qsoIndex) const override;
};

// CQ WW 160m: W/VE stations send their state or province ("cq160.dat"), others their
// country; multipliers are W/VE states/provinces (kind 0) and other countries (kind 1).
class T_WWDX160M : public TContestLog {
public:
    explicit T_WWDX160M(const TFileHeader& header);

    std::string GetMulti(int index, int multiIndex) override;
    std::int32_t GetPoints(int index) override;
    void CreateAndAppendQSO(bool setEditedFlag) override;
    std::string GetRcvdNumberToAppend(int qsoIndex, int numberIndex, std::vector<std::string>& rcvdList) override;
    std::string GetSwisslogSPField(int qsoIndex) const override;

protected:
    void AfterInit() override;
};

}  // namespace qz
