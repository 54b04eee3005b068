// Writes the Swisslog import lines; each line formats itself.
#include "export/swisslogexport.h"

namespace qz {

void TSwisslogExport::ExportLog(std::vector<std::string>& lines) {
    lines.reserve(lines.size() + static_cast<std::size_t>(FContestLog.NoOfQSOs()));
    for (int i = 0; i < FContestLog.NoOfQSOs(); ++i) lines.push_back(LineSafe(FContestLog.QSOs(i)->AsSWI(i)));
}

}  // namespace qz
