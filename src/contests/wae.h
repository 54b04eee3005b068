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
#include <unordered_set>
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
    // Besides the base check: on CW and SSB one station is European and the other not.
    // A QTC row counts only with a station on another continent (on CW and SSB: sent by
    // the non-European station), worked in a QSO row at or before the QTC's time, and
    // only once per reported QSO, direction and station.
    bool IsValidQSO(int index, bool showMessage) override;
    int GetSentNumericNumberIndex() const override;
    int GetRcvdNumericNumberIndex() const override;

protected:
    std::string DupeKey(int index) const override;
    // A QTC row counts only when its station was worked at or before its time anywhere
    // in the log: a changed first-QSO time with a station reaches back to the first QTC
    // row with that station.
    int ResumeCompilePass(int row) override;

private:
    // The first reason the QTC row `index` does not count (a language string), or 0.
    int QTCRefusal(int index);
    // Number of QTC rows before `index` (not user-deleted) with the call of row `index`.
    int EarlierQTCsWithStation(int index);
    // True when a QSO row (not user-deleted) with the call of row `index` is no later.
    bool StationWorkedBy(int index);
    // True when a QTC row before `index` reports the same QSO in the same direction
    // with the same station.
    bool ReportedBefore(int index);
    // Starts a compile pass: the time of the first QSO with each station.
    void StartCompilePass();
    void FindFirstQSOTimes();
    // Counts the QTC rows before `index` into the compile-pass state.
    void ScanQTCRowsBefore(int index);

    // Compile-pass state, so that a pass costs one look at each row.
    std::unordered_map<std::string, TDateTime> FFirstQSOTime;  // per call
    std::unordered_map<std::string, int> FQTCsPerStation;      // QTC rows before FQTCScanned
    std::unordered_set<std::string> FReportedQSOs;             // of the rows before FQTCScanned
    int FQTCScanned = 0;
};

}  // namespace qz
