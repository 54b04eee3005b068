#include "engine/sentqtcs.h"

#include "base/datetime.h"
#include "base/text.h"

namespace qz {

namespace {

constexpr int kMaxQTCsPerGroup = 10;
// Received numbers 1 to 4 carry a QTC: serial, time, call and number of the QSO.
constexpr int kQTCNumbers = 5;

bool AllDigits(std::string_view s) { return !s.empty() && s.find_first_not_of("0123456789") == std::string_view::npos; }

}  // namespace

int NoOfSelectedQSOsForQTCs(const TContestLog& log) {
    int n = 0;
    for (int i = 0; i < log.NoOfQSOs(); ++i)
        if (log.QSOs(i)->Selected() && !log.QSOs(i)->IsQTC()) ++n;
    return n;
}

TSentQTCGroup ProposeSentQTCGroup(const TContestLog& log) {
    TSentQTCGroup group;
    for (int i = log.NoOfQSOs() - 1; i >= 0; --i) {
        const TQSO* q = log.QSOs(i);
        if (q->IsQTC() || q->Call().Call().empty()) continue;
        group.call = q->Call().Call();
        group.date = DatePart(q->DateTime());
        group.band = q->Band();
        group.time = q->GetFormattedTime(potHour) + q->GetFormattedTime(potMinute);
        break;
    }
    const int count = std::min(NoOfSelectedQSOsForQTCs(log), kMaxQTCsPerGroup);
    group.serial = std::to_string(log.GetNextSentQTCSerialNumber()) + "/" + std::to_string(count);
    return group;
}

bool ValidQTCTime(const std::string& time) {
    return time.size() == 4 && AllDigits(time) && std::stoi(time.substr(0, 2)) < 24 && std::stoi(time.substr(2)) < 60;
}

bool ValidQTCSerial(const std::string& serial) {
    const std::size_t slash = serial.find('/');
    return slash != std::string::npos && AllDigits(serial.substr(0, slash)) && AllDigits(serial.substr(slash + 1));
}

int AppendSentQTCs(TContestLog& log, const TSentQTCGroup& group) {
    if (log.NoOfRcvdNumbers() < kQTCNumbers || Trim(group.call).empty() || !ValidQTCTime(group.time) ||
        !ValidQTCSerial(group.serial))
        return 0;
    const TDateTime when = CombineDateTime(
        group.date, EncodeTime(std::stoi(group.time.substr(0, 2)), std::stoi(group.time.substr(2)), 0, 0));
    const int sources = log.NoOfQSOs();
    const bool trailingEmpty = sources > 0 && log.QSOs(sources - 1)->Call().Call().empty();
    // One undo step, unless the caller has a group open already.
    const bool opened = !log.History().Grouping();
    if (opened) log.History().SetGrouping(true);
    int added = 0;
    for (int i = 0; i < sources; ++i) {
        const TQSO* source = log.QSOs(i);
        if (!source->Selected() || source->IsQTC()) continue;
        std::unique_ptr<TQSO> line = log.NewQSO(false);
        SQSOFlags flags;
        flags.Include(qfSentQTC);
        line->SetQSOFlags(flags);
        line->SetCall(UpperCase(Trim(group.call)));
        line->SetBand(group.band);
        line->SetDateTime(when);
        line->SetTimeHasBeenSet(true);
        line->SetMode(source->Mode());
        line->SetSentRST("");
        line->SetRcvdRST("");
        line->SetRcvdNumbers(1, group.serial);
        line->SetRcvdNumbers(2, source->GetFormattedTime(potComplete));
        line->SetRcvdNumbers(3, source->Call().Call());
        line->SetRcvdNumbers(4, source->RcvdNumbers(0));
        log.AppendQSO(std::move(line));
        log.PushUndo(ueaAddQSO, log.NoOfQSOs() - 1);
        ++added;
    }
    if (trailingEmpty && added > 0) log.MoveQSO(sources - 1, log.NoOfQSOs() - 1, true);
    if (opened) log.History().SetGrouping(false);
    return added;
}

}  // namespace qz
