// ARRL contests: the international DX contest for both sides (T_ARRL), the 10m contest
// (T_ARRL10M) and the 160m contest as worked from outside the USA and Canada
// (T_ARRL160M_DX).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/contestlog.h"

namespace qz {

// International DX contest: 3 points per QSO across the W/VE border; transmitter power
// sent by DX stations. Seen from outside W/VE the multipliers are the states and
// provinces ("ardxdx.dat") of W/VE stations per band; a station in the USA or Canada
// (master prefix K or VE) works DX stations only and counts their countries per band.
class T_ARRL : public TContestLog {
public:
    explicit T_ARRL(const TFileHeader& header);

    bool IsValidQSO(int index, bool showMessage) override;
    std::string GetMulti(int index, int multiIndex) override;
    std::int32_t GetPoints(int index) override;
    void CreateAndAppendQSO(bool setEditedFlag) override;
    std::string GetRcvdNumberToAppend(int qsoIndex, int numberIndex, std::vector<std::string>& rcvdList) override;
    std::string GetSwisslogSPField(int qsoIndex) const override;

    // The own station is in the USA or Canada and works the DX side.
    bool IsWVESide() const;
};

// 10m contest: countries and states ("ar10.dat") per band and mode; novice and
// technician extensions score double in CW, so call extensions matter.
class T_ARRL10M : public TContestLog {
public:
    explicit T_ARRL10M(const TFileHeader& header);

    std::string GetMulti(int index, int multiIndex) override;
    std::int32_t GetPoints(int index) override;
    void CreateAndAppendQSO(bool setEditedFlag) override;
    std::string GetRcvdNumberToAppend(int qsoIndex, int numberIndex, std::vector<std::string>& rcvdList) override;
    bool IsAnExtensionRelevantContest() const override { return true; }
    std::string GetSwisslogSPField(int qsoIndex) const override;
};

// 160m contest from outside W/VE: 5 points per QSO with a W/VE station, sections
// ("ar160.dat") per band; nothing is sent besides the RST, so there is no sent-number
// column.
class T_ARRL160M_DX : public TContestLog {
public:
    explicit T_ARRL160M_DX(const TFileHeader& header);

    bool IsValidQSO(int index, bool showMessage) override;
    std::string GetMulti(int index, int multiIndex) override;
    std::int32_t GetPoints(int index) override;
    void CreateAndAppendQSO(bool setEditedFlag) override;
    std::string GetRcvdNumberToAppend(int qsoIndex, int numberIndex, std::vector<std::string>& rcvdList) override;
    std::string GetSwisslogSPField(int qsoIndex) const override;
};

}  // namespace qz
