#include "engine/compilepass.h"

namespace qz {

void TPassState::Reset(int noOfMulties) {
    seenMulties.assign(static_cast<std::size_t>(noOfMulties), {});
    seenDupeKeys.clear();
    traces.clear();
    entries.clear();
}

void TPassState::Count(TLineCount counted, TBand band, TMode mode, int delta, TCompileResult& result) {
    switch (counted) {
        case TLineCount::Dupe: result.bandDupes[band] += delta; break;
        case TLineCount::UserDeleted: result.bandUserDeletedQSOs[band] += delta; break;
        case TLineCount::GoodQTC: result.bandGoodQTCs[band] += delta; break;
        case TLineCount::InvalidQTC: result.bandInvalidQTCs[band] += delta; break;
        case TLineCount::GoodQSO:
            result.bandGoodQSOs[band] += delta;
            result.bandModeGoodQSOs[mode][band] += delta;
            break;
        case TLineCount::InvalidQSO: result.bandInvalidQSOs[band] += delta; break;
    }
}

void TPassState::TakeBackEntry(const TPassEntry& e, TCompileResult& result) {
    const auto k = static_cast<std::size_t>(e.multiIndex);
    if (e.places != nullptr) {
        --result.bandMulties[k][e.band];
        --(*e.places)[e.place].item.count;
        return;
    }
    // Lines are taken back last first, so their calls are the last of each list.
    TMultiListItem& item = e.registered->second;
    if (!item.mliBandLists[e.band].empty()) item.mliBandLists[e.band].pop_back();
    if (!item.mliSummaryList.empty()) item.mliSummaryList.pop_back();
    if (item.mliSummaryList.empty()) result.multiList[k].erase(e.registered);
}

void TPassState::TakeBackLinesFrom(int start, TCompileResult& result) {
    while (static_cast<int>(traces.size()) > start) {
        const TLineTrace& t = traces.back();
        while (entries.size() > t.firstEntry) {
            TakeBackEntry(entries.back(), result);
            entries.pop_back();
        }
        Count(t.counted, t.band, t.mode, -1, result);
        result.bandPoints[t.band] -= t.points;
        if (t.dupeMaker != nullptr) --t.dupeMaker->count;
        traces.pop_back();
    }
}

}  // namespace qz
