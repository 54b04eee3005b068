// Writes RES lines: date, time, line number, band, mode and call, the received exchange
// by the log's number of received numbers, and a fixed tail. Widths are minimum widths.
#include "export/resexport.h"

#include "base/datetime.h"
#include "base/text.h"

namespace qz {

namespace {

constexpr const char* kTail = "        0        0 00    0 49 0";

std::string Text(std::string_view s) { return LineSafe(s); }

}  // namespace

void TRESExport::ExportLog(std::vector<std::string>& lines) {
    lines.reserve(lines.size() + static_cast<std::size_t>(FContestLog.NoOfQSOs()));
    for (int i = 0; i < FContestLog.NoOfQSOs(); ++i) lines.push_back(ExportLine(i));
}

std::string TRESExport::ExportLine(int index) const {
    const TQSO* q = FContestLog.QSOs(index);
    if (!q) return {};
    const CivilDate d = DecodeDate(q->DateTime());
    const CivilTime t = DecodeTime(q->DateTime());
    const std::string month(MonthNames[d.month >= 1 && d.month <= 12 ? d.month : 0].substr(0, 3));
    std::string line = Format("%.2d-%s-%.2d %.2d%.2d %4d %3s %-4s %-13s", d.day, month.c_str(), d.year % 100, t.hour,
                              t.minute, index + 1, std::string(BandShortNames[q->Band()]).c_str(),
                              std::string(ModeShortNames[q->Mode()]).c_str(), Text(q->Call().Call()).c_str());
    const int r = FContestLog.NoOfRcvdNumbers();
    if (r == 0) line += Format(" %-3s      ", Text(q->RcvdRST()).c_str());
    else if (r == 1) line += Format(" %-3s  %-4s", Text(q->RcvdRST()).c_str(), Text(q->RcvdNumbers(0)).c_str());
    else line += Format(" %-5s%-4s", Text(q->RcvdNumbers(0)).c_str(), Text(q->RcvdNumbers(1)).c_str());
    return line + kTail;
}

}  // namespace qz
