// The exchange columns of a contest, appended after the base columns.
#include "engine/ruledata.h"

#include <cstddef>

#include "base/lsnumbers.h"
#include "engine/contestlog.h"

namespace qz {

void AddExchangeColumns(TContestLog& log, const TExchangeColumns& columns) {
    static constexpr const char* kSent[] = {"Sent", "Sent2"};
    static constexpr const char* kRcvd[] = {"Rcvd", "Rcvd2"};
    for (std::size_t i = 0; i < columns.sentTitles.size(); ++i)
        log.SetColumn(cpSentNumber, columns.sentTitles[i], static_cast<int>(i), {qqQSO}, i < 2 ? kSent[i] : "");
    log.SetColumn(cpRcvdRST, lsColRcvdRST, -1, {qqQSO}, "RRst");
    for (std::size_t i = 0; i < columns.rcvdTitles.size(); ++i)
        log.SetColumn(cpRcvdNumber, columns.rcvdTitles[i], static_cast<int>(i), {qqQSO}, i < 2 ? kRcvd[i] : "");
    for (std::size_t i = 0; i < columns.multiTitles.size(); ++i)
        log.SetColumn(cpMul, columns.multiTitles[i], static_cast<int>(i), {}, "");
    if (columns.withPoints) log.SetColumn(cpPoints, lsColPoints, -1, {}, "");
    log.SetColumn(cpFlags, lsColFlags, -1, {}, "");
}

}  // namespace qz
