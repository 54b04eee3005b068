// HSC contest: club member numbers, no multipliers.
#pragma once

#include "engine/contestlog.h"

namespace qz {

// Member number exchange, filled in from "HSCMBR.QZ".
class T_HSC : public TContestLog {
public:
    explicit T_HSC(const TFileHeader& header);

    void SetColumns() override;
};

}  // namespace qz
