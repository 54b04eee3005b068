// Hessen contest: DOK and locator exchanged on the short-wave and VHF bands.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "contests/doklocator.h"

namespace qz {

// DOK (0) and locator (1); "hessencontest.dat" gives the DOKs that count and their category.
// The list is read as a member list but holds no member numbers, so the contest is no
// member-number contest. Points are the distance between the locators.
class T_Hessen : public TDOKLocatorContest {
public:
    explicit T_Hessen(const TFileHeader& header);

    std::string GetMulti(int index, int multiIndex) override;
    std::int32_t GetPoints(int index) override;
    bool IsAMemberNumberContest() const override { return false; }
};

}  // namespace qz
