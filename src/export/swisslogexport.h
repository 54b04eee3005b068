// The Swisslog writer: one import line per log line.
#pragma once

#include <string>
#include <vector>

#include "export/exporter.h"

namespace qz {

class TSwisslogExport : public TExport {
public:
    using TExport::TExport;
    // Appends the Swisslog line of every log line (with the contest's extra field).
    void ExportLog(std::vector<std::string>& lines) override;
};

}  // namespace qz
