// WAG contest: the German side (T_WAGDL) and the foreign side (T_WAGDX); each hands a log of
// the other side's station to the other class.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "contests/framework/twosided.h"

namespace qz {

// What both sides share: the DOK table ("dok.dat"), a CW and an SSB QSO with one
// station on one band, the German stations' DOKs suggested, and the result overview
// per mode.
class TWAGContest : public TTwoSidedContest {
public:
    void WriteResults(std::vector<std::string>& destination) const override;
    std::string GetRcvdNumberToAppend(int qsoIndex, int numberIndex, std::vector<std::string>& rcvdList) override;
    std::string GetSwisslogSPField(int qsoIndex) const override;
    std::string GetDOKFromRcvdNumber(int qsoIndex) const override { return GetSwisslogSPField(qsoIndex); }
    std::string GetSpecialSTFCategory() const override { return {}; }

protected:
    TWAGContest(bool homeSide, TContest otherSide);
};

// German stations: DOK sent, countries per band; points by country and continent.
class T_WAGDL : public TWAGContest {
public:
    explicit T_WAGDL(const TFileHeader& header);

    std::string GetMulti(int index, int multiIndex) override;
    std::int32_t GetPoints(int index) override;
    void CreateAndAppendQSO(bool setEditedFlag) override;
};

// Foreign stations: serial numbers sent, only German stations count; the first letter
// of their DOKs per band.
class T_WAGDX : public TWAGContest {
public:
    explicit T_WAGDX(const TFileHeader& header);

    std::string GetMulti(int index, int multiIndex) override;
    std::int32_t GetPoints(int index) override;
    void CreateAndAppendQSO(bool setEditedFlag) override { AppendSerialQSO(setEditedFlag); }
    bool IsValidQSO(int index, bool showMessage) override;
    int GetSentNumericNumberIndex() const override { return 0; }
};

// The result overview per band with good QSOs per mode (the WAG contest's own layout).
void WriteModeReport(const TContestLog& log, std::vector<std::string>& d, std::int64_t finalResult);

}  // namespace qz
