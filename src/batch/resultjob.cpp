// The result-list job: each log is loaded and compiled as the editor does, and its key
// figures are kept for the common list.
#include <vector>

#include "batch/filejobs.h"
#include "engine/contestlog.h"
#include "import/openlog.h"

namespace qz {

void ScoreFile(const TBatchContext& context, TBatchFileResult& result) {
    const TBatchSettings& s = context.settings;
    if (!CheckBatchInput(result, !s.foreignFiles)) return;
    TOpenLogOptions open;
    open.cty = context.cty;
    open.fixContest = s.fixContest;
    open.defaultContest = s.defaultContest;
    open.layoutName = s.layoutName;
    TOpenedLog opened = OpenLog(result.file, open);
    result.messages = std::move(opened.messages);
    result.dropped = std::move(opened.dropped);
    if (!opened.log) {
        result.error = opened.error;
        result.contestUnknown = opened.contestUnknown;
        return;
    }
    result.claimedScore = opened.claimedScore;
    TContestLog& log = *opened.log;
    log.SetMessageLines(&result.messages);
    log.SetShowMessageBoxes(false);
    log.Compile(s.compile);
    log.SetMessageLines(nullptr);
    result.figures = SlimmedResultsOf(log);
    for (int k = 0; k < log.NoOfMulties(); ++k) result.calculatedMultipliers += log.GetNoOfAllCalculatedMulties(k);
    if (const TCtyStuff* cty = log.CtyStuff()) {
        result.ctyFile = cty->FileName();
        result.ctyVersion = cty->Version();
    }
    result.changedSettings = NonDefaultCompileSettings(log.CompileSettings());
    result.ok = true;
}

}  // namespace qz
