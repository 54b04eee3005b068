// Scandinavian Activity Contest: stations outside Scandinavia (T_SAC) and Scandinavian
// stations (T_SAC_SC); the user selects the side.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "engine/contestlog.h"

namespace qz {

// True for the master prefixes of the Scandinavian countries (LA, JW, JX, OH, OH0, OJ0,
// OX, OY, OZ, SM, TF).
bool IsScandinavianCountry(std::string_view masterPrefix);

// Stations outside Scandinavia work Scandinavian stations only; their call areas
// (districts) count per band.
class T_SAC : public TContestLog {
public:
    explicit T_SAC(const TFileHeader& header);

    bool IsValidQSO(int index, bool showMessage) override;
    std::string GetMulti(int index, int multiIndex) override;
    std::int32_t GetPoints(int index) override;
    void CreateAndAppendQSO(bool setEditedFlag) override;
    int GetSentNumericNumberIndex() const override { return 0; }
    int GetRcvdNumericNumberIndex() const override { return 0; }
};

// Scandinavian stations: countries outside Scandinavia per band.
class T_SAC_SC : public TContestLog {
public:
    explicit T_SAC_SC(const TFileHeader& header);

    std::string GetMulti(int index, int multiIndex) override;
    std::int32_t GetPoints(int index) override;
    void CreateAndAppendQSO(bool setEditedFlag) override;
    int GetSentNumericNumberIndex() const override { return 0; }
    int GetRcvdNumericNumberIndex() const override { return 0; }
};

}  // namespace qz
