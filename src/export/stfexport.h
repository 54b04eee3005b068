// The STF writer: keyword header, the QSO list and, for QTC contests, the sent and
// received QTC lists, each row a blank-separated line in the declared column order.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "domain/defs.h"
#include "export/exporter.h"

namespace qz {

// The settings an STF export reads. The default constructor takes them from the
// global settings record and the clock at the moment of construction.
struct TSTFExportSettings {
    bool OutputCty = false;    // add the country column "Cty"
    bool AddComments = false;  // follow each row by its comment lines ("# " + line)
    TDateTime WrittenAt = 0;   // local time written into the "# Data written" line

    static TSTFExportSettings FromOptions();
};

class TSTFExport : public TExport {
public:
    explicit TSTFExport(const TContestLog& contestLog);
    TSTFExport(const TContestLog& contestLog, const TSTFExportSettings& settings);

    // Clears `lines` and fills it with the whole file.
    void ExportLog(std::vector<std::string>& lines) override;

    // The data row of the QSO or QTC at `index` ("" beyond the log).
    std::string ExportSingleQSO(int index);

    // The header values built from the log.
    std::string Category();
    std::string QsoOrder() const;
    std::string QtcOrder() const;

private:
    void AddHeader(std::vector<std::string>& lines);
    void AddRows(std::vector<std::string>& lines, int qtcKind);

    TSTFExportSettings FSettings;
};

// KeyValueLine(Key, line) for each line of `text` (split at CR, LF or CR LF); the key
// and its filling blanks alone for an empty text.
void AddKeyLines(std::vector<std::string>& lines, std::string_view key, std::string_view text);

// The "# Data written" time stamp: yyyy-mm-dd hh:nn:ss.
std::string STFTimeStamp(TDateTime when);

}  // namespace qz
