// The RES writer: one fixed-column text line per log line.
#pragma once

#include <string>
#include <vector>

#include "export/exporter.h"

namespace qz {

class TRESExport : public TExport {
public:
    using TExport::TExport;
    // Appends one line per log line, QTC rows and deleted lines included.
    void ExportLog(std::vector<std::string>& lines) override;
    // The line of the log line at `index` (counted from 0; numbered from 1 in the line).
    std::string ExportLine(int index) const;
};

}  // namespace qz
