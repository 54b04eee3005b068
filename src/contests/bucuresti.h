// Bucharest contest on 80m and 40m: counties, Bucharest sectors and internet country codes.
#pragma once

#include <memory>

#include "reflists/amiallocationtable.h"
#include "engine/contestlog.h"

namespace qz {

// Serial number (0) and county or country code (1); counties ("bucuresti.dat") of Romanian
// and country codes ("cctld.dat") of foreign stations per band.
// Not scored yet: only the definition and the columns are built (the factory marks the
// contest NotBuilt, so no front end reports its score).
class T_BUCURESTI : public TContestLog {
public:
    explicit T_BUCURESTI(const TFileHeader& header);

    void SetColumns() override;
    int GetSentNumericNumberIndex() const override { return 0; }
    bool IsSpecialCountry(int qsoIndex) const override;
    void SetSpecialCountries() override;
    // The internet country codes ("cctld.dat"); never null after construction.
    const TAmiAllocationTable* ccTLDAssignmentTable() const { return FccTLDAssignmentTable.get(); }

private:
    std::unique_ptr<TAmiAllocationTable> FccTLDAssignmentTable;
};

}  // namespace qz
