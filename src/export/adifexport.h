// The ADIF writer and its configuration: which fields a record carries, the time
// format, where the contest identifier goes and the field name of each received
// number, kept in the settings store.
#pragma once

#include <string>
#include <vector>

#include "domain/defs.h"
#include "export/exporter.h"

namespace qz {

// One row of the received-number table: a received-number column of the log's QSOs
// and the ADIF field its value is written under ("" = not written).
struct TADIFRcvdRow {
    std::string Header;   // the column's header text
    int NumberIndex = 0;  // which received number
    std::string Field;
};

struct TADIFConfig {
    bool QSO_DATE = true;
    bool TIME_ON = true;
    bool TIME_OFF = false;
    bool CALL = true;
    bool BAND = true;
    bool FREQ = false;
    bool MODE = true;
    bool RST_SENT = true;
    bool RST_RCVD = true;
    bool QSL_SENT = false;
    bool QSL_RCVD = false;
    bool STX = true;
    int TimeFormat = 0;       // 0 = HHMM, 1 = HHMMSS
    int ContestIdOutput = 0;  // 0 = in every record, 1 = once in the header
    // Field name of row n + 1 of the received-number table (may be shorter than it).
    std::vector<std::string> RcvdAssignment;

    // The stored settings; rows never stored are empty. `rows` is the number of rows of
    // the received-number table to load.
    static TADIFConfig FromSettings(int rows);
    // The defaults with the proposals of the log's received-number table.
    static TADIFConfig Defaults(const TContestLog& log);
    // Stores every value; false when the settings file could not be written.
    bool Save() const;
};

// The received-number table of a log: one row per received number of its QSOs (QTC
// columns left out), with the proposals "srx" for the first, "comment" for the second.
std::vector<TADIFRcvdRow> ADIFRcvdRows(const TContestLog& log);
// The table with the fields of `config` (rows without a stored field stay empty).
std::vector<TADIFRcvdRow> ADIFRcvdRows(const TContestLog& log, const TADIFConfig& config);

class TADIFExport : public TExport {
public:
    // Reads the configuration from the settings store.
    explicit TADIFExport(const TContestLog& contestLog);
    TADIFExport(const TContestLog& contestLog, TADIFConfig config);

    // Clears `lines` and fills it with the whole file.
    void ExportLog(std::vector<std::string>& lines) override;
    // One record as one line; "" beyond the log and for QTC rows.
    std::string ExportSingleQSO(int index) const;

    const TADIFConfig& Config() const { return FConfig; }

private:
    TADIFConfig FConfig;
};

}  // namespace qz
