// Rules of the WAE DX contests (CW, SSB, RTTY): QSOs between European and other
// stations plus the QTC rows that relay earlier QSOs, with band-weighted multipliers.
//
// Row layout: QSO rows use sent number 0 and received number 0 (serials); QTC rows
// (flag qfSentQTC or qfRcvdQTC) use received numbers 1 to 4: group "serial/size",
// time, call and serial of the reported QSO.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "engine/contestlog.h"

namespace qz {

// Weight of a band's multipliers: 80m 4, 40m 3, 20m, 15m and 10m 2, 0 elsewhere.
extern const std::array<int, kNoOfBands> WAEBandFactors;

// At most this many QTC rows with one station count; later ones are flagged qfTooManyQTCs.
inline constexpr int kMaxQTCsPerStation = 10;

class T_WAE : public TContestLog {
public:
    explicit T_WAE(const TFileHeader& header);

    // QSO rows: same call on the same band. QTC rows are never dupes; they get
    // qfTooManyQTCs when ten earlier QTC rows (not user-deleted) share their call.
    bool IsDupe(int index) override;
    std::string GetMulti(int index, int multiIndex) override;
    std::int32_t GetPoints(int index) override;
    // Points (QSOs and QTCs) times the band-weighted multipliers.
    std::int64_t GetFinalResult() const override;
    void WriteResults(std::vector<std::string>& destination) const override;
    // A new QSO row, or after a QTC row the next QTC row of the same group and station.
    void CreateAndAppendQSO(bool setEditedFlag) override;
    void SetColumns() override;
    bool CanSelectCell(int col, int row) const override;
    bool IsAQTCContest() const override;
    std::int32_t GetNoOfCalculatedBandMulties(int multiIndex, TBand band) const override;
    std::int32_t GetNoOfAllCalculatedMulties(int multiIndex) const override;
    bool IsAQTCRcvdNumber(int numberIndex) const override;
    bool IsValidQSO(int index, bool showMessage) override;
    int GetSentNumericNumberIndex() const override;
    int GetRcvdNumericNumberIndex() const override;

protected:
    std::string DupeKey(int index) const override;

private:
    // Number of QTC rows before `index` (not user-deleted) with the call of row `index`.
    int EarlierQTCsWithStation(int index);

    // Compile-pass state: QTC rows per call among the rows before FQTCScanned.
    std::unordered_map<std::string, int> FQTCsPerStation;
    int FQTCScanned = 0;
};

}  // namespace qz
