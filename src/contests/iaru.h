// IARU HF championship: ITU zones and headquarters stations.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/contestlog.h"

namespace qz {

// Points of an IARU QSO by its case: with a headquarters station, with a station in the
// own ITU zone, in another zone of the own continent, on another continent.
struct TIARUPoints {
    std::int32_t HQ = 1;
    std::int32_t SameZone = 1;
    std::int32_t SameContinent = 3;
    std::int32_t OtherContinent = 5;
};

// The start-up switch /QUIRN: when on, IARU QSOs score with the point values of the
// options page instead of the contest's own. Set once at start-up.
void SetIARUPointsFromOptions(bool on);
bool IARUPointsFromOptions();

// The point values of the options page (each 0 to 99, preset 1, 1, 3 and 5). They are
// not stored; the options page sets them, and T_IARU reads them each time it scores.
TIARUPoints IARUOptionPoints();
void SetIARUOptionPoints(const TIARUPoints& points);

// ITU zone or headquarters text exchanged; zones and headquarters per band; the same
// station counts once per band and mode.
class T_IARU : public TContestLog {
public:
    explicit T_IARU(const TFileHeader& header);

    std::string GetMulti(int index, int multiIndex) override;
    std::int32_t GetPoints(int index) override;
    void CreateAndAppendQSO(bool setEditedFlag) override;
    std::string GetRcvdNumberToAppend(int qsoIndex, int numberIndex, std::vector<std::string>& rcvdList) override;
    std::string GetSwisslogSPField(int qsoIndex) const override;
};

}  // namespace qz
