// TOPS activity contest: serial and club member numbers.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/contestlog.h"

namespace qz {

// Serial number (0) and member number (1, filled in from "PROCWMbr.qz"); prefixes per
// band; a member number received adds points, more when the own number is sent.
class T_TOPS : public TContestLog {
public:
    explicit T_TOPS(const TFileHeader& header);

    std::string GetMulti(int index, int multiIndex) override;
    std::int32_t GetPoints(int index) override;
    void CreateAndAppendQSO(bool setEditedFlag) override;
    std::string GetRcvdNumberToAppend(int qsoIndex, int numberIndex, std::vector<std::string>& rcvdList) override;
    // Fills received number 1 with the member number of the call unless the number has
    // been set already (typed by the user, or the line came from an import or paste).
    void SetCallDependingStuff(int qsoIndex) override;
    std::string GetSwisslogSPField(int qsoIndex) const override;
    int GetSentNumericNumberIndex() const override { return 0; }
    int GetRcvdNumericNumberIndex() const override { return 0; }

private:
    // The member number of the call's pure part; "" for a non-member.
    std::string MemberNumberOf(const TCall& call) const;
};

}  // namespace qz
