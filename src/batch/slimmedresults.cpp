#include "batch/slimmedresults.h"

#include "base/datetime.h"
#include "engine/contestlog.h"

namespace qz {

TSlimmedResults SlimmedResultsOf(const TContestLog& log) {
    TSlimmedResults r;
    r.srContest = log.Contest();
    if (const TQSO* first = log.QSOs(0)) r.srYear = DecodeDate(first->DateTime()).year;
    r.srCall = log.OwnCall().Call();
    r.srGoodQSOs = log.Result().NoOfAllGoodQSOs();
    r.srNoOfMulties = log.NoOfMulties();
    for (int k = 0; k < log.NoOfMulties(); ++k) r.srMulties.push_back(log.Result().NoOfAllMulties(k));
    r.srFinalResult = log.GetFinalResult();
    return r;
}

}  // namespace qz
