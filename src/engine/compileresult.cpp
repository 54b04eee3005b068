#include "engine/compileresult.h"

namespace qz {

void TCompileResult::ResetBands(int noOfMulties) {
    const auto kinds = static_cast<std::size_t>(noOfMulties);
    bandGoodQSOs = {};
    bandModeGoodQSOs = {};
    bandGoodQTCs = {};
    bandInvalidQSOs = {};
    bandInvalidQTCs = {};
    bandDupes = {};
    bandUserDeletedQSOs = {};
    bandMulties.assign(kinds, TBandResult{});
    bandPoints = {};
    multiList.assign(kinds, TMultiList{});
}

void TCompileResult::ResetTotals(int noOfMulties) {
    allGoodQSOs = 0;
    allModeGoodQSOs = {};
    allGoodQTCs = 0;
    allInvalidQSOs = 0;
    allInvalidQTCs = 0;
    allDupes = 0;
    allUserDeletedQSOs = 0;
    allMulties.assign(static_cast<std::size_t>(noOfMulties), 0);
    allPoints = 0;
}

void TCompileResult::AddBandToTotals(TBand b) {
    allGoodQSOs += bandGoodQSOs[b];
    for (int m = mCW; m <= mATV; ++m) allModeGoodQSOs[m] += bandModeGoodQSOs[m][b];
    allGoodQTCs += bandGoodQTCs[b];
    allInvalidQSOs += bandInvalidQSOs[b];
    allInvalidQTCs += bandInvalidQTCs[b];
    allDupes += bandDupes[b];
    allUserDeletedQSOs += bandUserDeletedQSOs[b];
    for (std::size_t k = 0; k < bandMulties.size() && k < allMulties.size(); ++k) allMulties[k] += bandMulties[k][b];
    allPoints += bandPoints[b];
}

}  // namespace qz
