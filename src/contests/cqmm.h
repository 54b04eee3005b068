// CQMM contest: South American prefixes per band, countries once per log.
#pragma once

#include "engine/contestlog.h"

namespace qz {

// A constant exchange whose third character marks the station class.
class T_CQMM : public TContestLog {
public:
    explicit T_CQMM(const TFileHeader& header);

    void SetColumns() override;
};

}  // namespace qz
