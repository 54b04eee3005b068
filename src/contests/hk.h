// Colombian contest: the foreign side (T_HK_DX) and the Colombian side (T_HK_HK), including
// San Andres (HK0/a) and Malpelo (HK0/m).
#pragma once

#include <cstdint>
#include <string>

#include "contests/framework/twosided.h"

namespace qz {

// Countries (kind 0) and Colombian districts (kind 1) per band, on both sides; serial
// numbers are exchanged.
class THKContest : public TTwoSidedContest {
public:
    std::string GetMulti(int index, int multiIndex) override;
    void CreateAndAppendQSO(bool setEditedFlag) override { AppendSerialQSO(setEditedFlag); }
    int GetSentNumericNumberIndex() const override { return 0; }
    int GetRcvdNumericNumberIndex() const override { return 0; }

protected:
    THKContest(bool homeSide, TContest otherSide);
};

// Foreign stations.
class T_HK_DX : public THKContest {
public:
    explicit T_HK_DX(const TFileHeader& header);

    std::int32_t GetPoints(int index) override;
};

// Colombian stations.
class T_HK_HK : public THKContest {
public:
    explicit T_HK_HK(const TFileHeader& header);

    std::int32_t GetPoints(int index) override;
};

}  // namespace qz
