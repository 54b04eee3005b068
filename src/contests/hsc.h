// HSC contest: club member numbers, no multipliers.
#pragma once

#include "engine/contestlog.h"

namespace qz {

// Member number exchange, filled in from "HSCMBR.QZ".
// Not scored yet: only the definition and the columns are built (the factory marks the
// contest NotBuilt, so no front end reports its score).
class T_HSC : public TContestLog {
public:
    explicit T_HSC(const TFileHeader& header);

    void SetColumns() override;
};

}  // namespace qz
