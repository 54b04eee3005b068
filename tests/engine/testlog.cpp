#include "engine/testlog.h"

#include "base/datetime.h"

namespace qz::test {

void AddLine(TContestLog& log, const std::string& call, TBand band, TMode mode, int minute,
             std::initializer_list<const char*> rcvd) {
    auto q = log.NewQSO(true);
    q->SetCall(call);
    q->SetBand(band);
    q->SetMode(mode);
    q->SetDateTime(EncodeDate(2013, 1, 5) + minute / 1440.0);
    int i = 0;
    for (const char* r : rcvd) q->SetRcvdNumbers(i++, r);
    log.AppendQSO(std::move(q));
}

}  // namespace qz::test
