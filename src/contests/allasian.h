// All Asian DX contest: stations outside Asia (T_AADX) and Asian stations (T_AA_ASIA); the
// user selects the side.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/contestlog.h"

namespace qz {

// Stations outside Asia work Asian stations only: age exchanged; Asian prefixes per
// band; points by band.
class T_AADX : public TContestLog {
public:
    explicit T_AADX(const TFileHeader& header);

    bool IsValidQSO(int index, bool showMessage) override;
    std::string GetMulti(int index, int multiIndex) override;
    std::int32_t GetPoints(int index) override;
    void CreateAndAppendQSO(bool setEditedFlag) override;
    std::string GetRcvdNumberToAppend(int qsoIndex, int numberIndex, std::vector<std::string>& rcvdList) override;
};

// Asian stations work everyone outside their own country: age exchanged; countries per
// band; non-Asian stations score three times as much.
class T_AA_ASIA : public TContestLog {
public:
    explicit T_AA_ASIA(const TFileHeader& header);

    bool IsValidQSO(int index, bool showMessage) override;
    std::string GetMulti(int index, int multiIndex) override;
    std::int32_t GetPoints(int index) override;
    void CreateAndAppendQSO(bool setEditedFlag) override;
    std::string GetRcvdNumberToAppend(int qsoIndex, int numberIndex, std::vector<std::string>& rcvdList) override;
};

}  // namespace qz
