#include "batch/resulttsv.h"

#include "base/encoding.h"
#include "base/text.h"
#include "domain/defs.h"

namespace qz {

std::vector<std::string> ResultTsvHeader() {
    return {"file",    "call",    "contest",    "qsos",     "multipliers", "score",
            "claimed", "ctyfile", "ctyversion", "settings", "dropped"};
}

std::vector<std::string> ResultTsvRow(const TBatchFileResult& r) {
    std::string settings;
    for (const std::string& s : r.changedSettings) settings += (settings.empty() ? "" : ", ") + s;
    const auto contest = static_cast<std::size_t>(r.figures.srContest);
    return {Utf8ToCp1252(r.file),
            r.figures.srCall,
            std::string(CabrilloContestNames[contest]),
            std::to_string(r.figures.srGoodQSOs),
            std::to_string(r.calculatedMultipliers),
            std::to_string(r.figures.srFinalResult),
            r.claimedScore,
            Utf8ToCp1252(r.ctyFile),
            r.ctyVersion.empty() ? "unknown" : r.ctyVersion,
            settings,
            std::to_string(r.dropped.count)};
}

std::string ResultTsvText(const std::vector<TBatchFileResult>& files) {
    std::string out;
    auto addRow = [&out](const std::vector<std::string>& fields) {
        for (std::size_t i = 0; i < fields.size(); ++i) out += (i ? "\t" : "") + EscapedControls(fields[i], true);
        out += '\n';
    };
    addRow(ResultTsvHeader());
    for (const TBatchFileResult& r : files)
        if (r.ok) addRow(ResultTsvRow(r));
    return out;
}

}  // namespace qz
