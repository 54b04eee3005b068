// DARC rookie contest: a district letter and the years of licence are exchanged.
#pragma once

#include "engine/contestlog.h"

namespace qz {

// District letter (0) and years of licence (1) exchanged; points depend on the worked
// station's years of licence.
// Not scored yet: only the definition and the columns are built (the factory marks the
// contest NotBuilt, so no front end reports its score).
class T_DARC_ROOKIE : public TContestLog {
public:
    explicit T_DARC_ROOKIE(const TFileHeader& header);

    void SetColumns() override;
};

}  // namespace qz
