// The Cabrillo 3.0 writer: header tags, one fixed-column line per QSO or QTC (deleted
// lines as XQSO:/XQTC:) and the end marker. Column positions: domain/cabrilloformat.h.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "export/exporter.h"

namespace qz {

class TCabrilloExport : public TExport {
public:
    using TExport::TExport;

    // Appends the whole file to `lines` (never clears it). Values wider than their
    // column are cut to keep every column in place; each cut is reported as a message
    // naming the line (the own call once for the whole log).
    void ExportLog(std::vector<std::string>& lines) override;

    // The line of the QSO or QTC at `index` ("" beyond the log).
    std::string QSOLine(int index);

private:
    void AddHeader(std::vector<std::string>& lines);
    void ReportCut(std::string_view value, std::size_t width, int index);

    bool FOwnCallCutReported = false;
};

// The frequency column's text: the logged frequency in kHz when it is known, fits the
// column and lies in the line's band, else the band's fixed text ("14000", "   50").
std::string FrequencyText(const TQSO& q);

// Tag + ": " + line for each line of `text` (split at CR, LF or CR LF); Tag + ": "
// alone for an empty text.
void AddTagLines(std::vector<std::string>& lines, std::string_view tag, std::string_view text);
// Tag + ": " + value, for tags that allow one line only (a multi-line value is joined
// with blanks).
std::string TagLine(std::string_view tag, std::string_view value);

}  // namespace qz
