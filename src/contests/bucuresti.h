// Bucharest contest on 80m and 40m: counties, Bucharest sectors and internet country codes.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "reflists/amiallocationtable.h"
#include "engine/contestlog.h"

namespace qz {

// Serial number (0) and county or country code (1); counties ("bucuresti.dat") of Romanian
// and country codes ("cctld.dat") of foreign stations per band; points by where both
// stations are; dupes per band and mode.
class T_BUCURESTI : public TContestLog {
public:
    explicit T_BUCURESTI(const TFileHeader& header);

    std::string GetMulti(int index, int multiIndex) override;
    std::int32_t GetPoints(int index) override;
    void CreateAndAppendQSO(bool setEditedFlag) override;
    std::string GetRcvdNumberToAppend(int qsoIndex, int numberIndex, std::vector<std::string>& rcvdList) override;
    std::string GetSwisslogSPField(int qsoIndex) const override;
    int GetSentNumericNumberIndex() const override { return 0; }

    // The internet country codes ("cctld.dat"); never null after construction.
    const TAmiAllocationTable* ccTLDAssignmentTable() const { return FccTLDAssignmentTable.get(); }

protected:
private:
    std::unique_ptr<TAmiAllocationTable> FccTLDAssignmentTable;
};

}  // namespace qz
