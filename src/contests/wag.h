// WAG contest: the German side (T_WAGDL) and the foreign side (T_WAGDX); each hands a log of
// the other side's station to the other class.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/contestlog.h"

namespace qz {

// German stations: DOK sent, countries per band; points by country and continent.
class T_WAGDL : public TContestLog {
public:
    explicit T_WAGDL(const TFileHeader& header);

    std::string GetMulti(int index, int multiIndex) override;
    std::int32_t GetPoints(int index) override;
    void WriteResults(std::vector<std::string>& destination) const override;
    void CreateAndAppendQSO(bool setEditedFlag) override;
    std::string GetRcvdNumberToAppend(int qsoIndex, int numberIndex, std::vector<std::string>& rcvdList) override;
    std::string GetSwisslogSPField(int qsoIndex) const override;
    std::string GetDOKFromRcvdNumber(int qsoIndex) const override { return GetSwisslogSPField(qsoIndex); }
    std::string GetSpecialSTFCategory() const override { return {}; }
};

// Foreign stations: serial numbers sent, only German stations count; the first letter
// of their DOKs per band.
class T_WAGDX : public TContestLog {
public:
    explicit T_WAGDX(const TFileHeader& header);

    std::string GetMulti(int index, int multiIndex) override;
    std::int32_t GetPoints(int index) override;
    void WriteResults(std::vector<std::string>& destination) const override;
    void CreateAndAppendQSO(bool setEditedFlag) override;
    std::string GetRcvdNumberToAppend(int qsoIndex, int numberIndex, std::vector<std::string>& rcvdList) override;
    bool IsValidQSO(int index, bool showMessage) override;
    std::string GetSwisslogSPField(int qsoIndex) const override;
    std::string GetDOKFromRcvdNumber(int qsoIndex) const override { return GetSwisslogSPField(qsoIndex); }
    int GetSentNumericNumberIndex() const override { return 0; }
    std::string GetSpecialSTFCategory() const override { return {}; }
};

// The result overview per band with good QSOs per mode (the WAG contest's own layout).
void WriteModeReport(const TContestLog& log, std::vector<std::string>& d, std::int64_t finalResult);

}  // namespace qz
