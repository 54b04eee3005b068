// Hessen contest: DOK and locator exchanged on the short-wave and VHF bands.
#pragma once

#include "engine/contestlog.h"

namespace qz {

// DOK (0) and locator (1); "hessencontest.dat" gives the DOKs that count and their category.
// The list is read as a member list but holds no member numbers, so the contest is no
// member-number contest.
// Not scored yet: only the definition and the columns are built (the factory marks the
// contest NotBuilt, so no front end reports its score).
class T_Hessen : public TContestLog {
public:
    explicit T_Hessen(const TFileHeader& header);

    void SetColumns() override;
    bool IsAMemberNumberContest() const override { return false; }
};

}  // namespace qz
