// Writes a compiled log as Cabrillo 3.0. QSO lines are assembled column by column into
// a blank line of the layout's length, so a value can never push a later column out of
// place: what does not fit is cut, and the cut is reported.
#include "export/cabrilloexport.h"

#include <algorithm>
#include <string>

#include "base/datetime.h"
#include "base/text.h"
#include "domain/cabrilloformat.h"

namespace qz {

namespace {

using cabrillo::TColumn;

constexpr TColumn Shifted(TColumn c, int offset) { return {c.first + offset, c.last + offset}; }

// One QSO line under construction: blanks of the layout's length.
class TLineBuffer {
public:
    explicit TLineBuffer(int length) : FText(static_cast<std::size_t>(length), ' ') {}

    // Writes `value` into `column`, left- or right-justified, control bytes as blanks.
    // False when the value was longer than the column and has been cut.
    bool Put(TColumn column, std::string_view value, bool rightJustify = false) {
        if (column.Width() <= 0) return true;
        const auto width = static_cast<std::size_t>(column.Width());
        const std::size_t n = std::min(value.size(), width);
        const std::size_t start = static_cast<std::size_t>(column.first - 1) + (rightJustify ? width - n : 0);
        if (FText.size() < start + n) FText.resize(start + n, ' ');
        for (std::size_t i = 0; i < n; ++i) {
            char c = value[i];
            FText[start + i] = static_cast<unsigned char>(c) < 0x20 ? ' ' : c;
        }
        return value.size() <= width;
    }

    // Writes `value` with leading zeros filling the column; false when it does not fit
    // (the caller then writes its text through Put).
    bool PutZeroPadded(TColumn column, int value) {
        int digits = column.Width();
        if (value < 0) return false;
        std::size_t pos = static_cast<std::size_t>(column.last);
        for (int i = 0; i < digits; ++i) {
            FText[--pos] = static_cast<char>('0' + value % 10);
            value /= 10;
        }
        return value == 0;
    }

    std::string& Text() { return FText; }

private:
    std::string FText;
};

}  // namespace

std::string FrequencyText(const TQSO& q) {
    const std::uint32_t kHz = q.FrequencyInBand();
    if (kHz != 0 && kHz <= cabrillo::kMaxColumnFrequency) return std::to_string(kHz);
    return std::string(CategoryName(CabrilloBandFrequencies, q.Band()));
}

void AddTagLines(std::vector<std::string>& lines, std::string_view tag, std::string_view text) {
    std::vector<std::string> parts = HeaderTextLines(text);
    if (parts.empty()) parts.emplace_back();
    for (const auto& part : parts)
        lines.push_back(std::string(tag) + std::string(cabrillo::kTagSeparator) + LineSafe(part));
}

std::string TagLine(std::string_view tag, std::string_view value) {
    return std::string(tag) + std::string(cabrillo::kTagSeparator) + JoinHeaderText(value);
}

void TCabrilloExport::ExportLog(std::vector<std::string>& lines) {
    FOwnCallCutReported = false;
    lines.reserve(lines.size() + static_cast<std::size_t>(FContestLog.NoOfQSOs()) + 32);
    AddHeader(lines);
    for (int i = 0; i < FContestLog.NoOfQSOs(); ++i) lines.push_back(QSOLine(i));
    lines.emplace_back(cabrillo::kEndOfLog);
}

void TCabrilloExport::AddHeader(std::vector<std::string>& lines) {
    using namespace cabrillo;
    const TFileHeader& h = FContestLog.FileHeader();
    lines.push_back(TagLine(kStartOfLog, kFormatVersion));
    lines.push_back(TagLine(kCreatedBy, std::string(kWriterProgramName) + std::string(kWriterBanner)));
    lines.push_back(TagLine(kLocation, h.fhUser_ARRLSection));
    if (!h.fhUser_GridLocator.empty()) lines.push_back(TagLine(kGridLocator, h.fhUser_GridLocator));
    lines.push_back(TagLine(kContest, CategoryName(CabrilloContestNames, FContestLog.Contest())));
    lines.push_back(TagLine(kCallsign, h.fhUser_OwnCall));
    lines.push_back(TagLine(kCategoryOperator, CategoryName(CategoryOperatorNames, h.fhContest_CategoryOperator)));
    lines.push_back(
        TagLine(kCategoryTransmitter, CategoryName(CategoryTransmitterNames, h.fhContest_CategoryTransmitter)));
    lines.push_back(TagLine(kCategoryAssisted, CategoryName(CategoryAssistedNames, h.fhContest_CategoryAssisted)));
    lines.push_back(TagLine(kCategoryPower, CategoryName(CategoryPowerNames, h.fhContest_CategoryPower)));
    lines.push_back(TagLine(kCategoryStation, CategoryName(CategoryStationNames, h.fhContest_CategoryStation)));
    if (FContestLog.ShowOverlayInCategory() && h.fhContest_CategoryOverlay != coNone)
        lines.push_back(TagLine(kCategoryOverlay, CategoryName(CategoryOverlayNames, h.fhContest_CategoryOverlay)));
    if (FContestLog.ShowTimeInCategory() && h.fhContest_CategoryTime != ctmNone)
        lines.push_back(TagLine(kCategoryTime, CategoryName(CategoryTimeNames, h.fhContest_CategoryTime)));
    lines.push_back(TagLine(kCategoryBand, CategoryBandValue(FContestLog)));
    if (FContestLog.ShowModeInCategory()) lines.push_back(TagLine(kCategoryMode, CategoryModeValue(FContestLog)));
    lines.push_back(TagLine(kClaimedScore, std::to_string(FContestLog.GetFinalResult())));
    lines.push_back(TagLine(kOperators, h.fhContest_OperatorList));
    lines.push_back(TagLine(kClub, h.fhUser_Club));
    lines.push_back(TagLine(kName, h.fhUser_Name));
    lines.push_back(TagLine(kEMail, h.fhUser_EMail));
    lines.push_back(TagLine(kSpecific, h.fhUser_Specific));
    AddTagLines(lines, kAddress, h.fhUser_Address);
    AddTagLines(lines, kSoapbox, h.fhContest_SoapBox);
}

void TCabrilloExport::ReportCut(std::string_view value, std::size_t width, int index) {
    AddMessage(ExportText(etValueCut) + " " + LineSafe(value) + " -> " + LineSafe(value.substr(0, width)), index);
}

std::string TCabrilloExport::QSOLine(int index) {
    using namespace cabrillo;
    const TQSO* q = FContestLog.QSOs(index);
    if (!q) return {};
    const std::string& ownCall = FContestLog.FileHeader().fhUser_OwnCall;
    const std::string& call = q->Call().Call();
    const SQSOFlags flags = q->QSOFlags();
    const bool sentQTC = flags.Contains(qfSentQTC), rcvdQTC = flags.Contains(qfRcvdQTC);
    const bool qtcContest = FContestLog.IsAQTCContest();
    const int s = FContestLog.NoOfSentNumbers(), r = FContestLog.NoOfRcvdNumbers();
    const bool wide = s > 1 || r > 1;

    // The QTC part of a row with both kinds is written twice, sent part first.
    constexpr int kQTCPartLength = kQTC.lineLength - kTime.last;
    int length = wide ? kWide.lineLength : kNarrow.lineLength;
    if (qtcContest) {
        length = (sentQTC || rcvdQTC) ? kTime.last + kQTCPartLength * ((sentQTC ? 1 : 0) + (rcvdQTC ? 1 : 0))
                                      : kQTCContestQSO.lineLength;
    }
    TLineBuffer line(length);

    // Every value stays one field for readers that split the line at blanks.
    auto put = [&](TColumn c, std::string_view value, bool right = false) {
        const std::string v = FieldSafe(value);
        if (!line.Put(c, v, right)) ReportCut(v, static_cast<std::size_t>(c.Width()), index);
    };
    auto putOwnCall = [&](TColumn c) {
        if (!line.Put(c, ownCall) && !FOwnCallCutReported) {
            FOwnCallCutReported = true;
            AddMessage(ExportText(etOwnCallCut) + " " + LineSafe(ownCall), -1);
        }
    };
    auto putDatePart = [&](TColumn c, int value) {
        if (!line.PutZeroPadded(c, value)) put(c, Format("%.*d", c.Width(), value));
    };

    // Tag and common part.
    const std::string_view word = QSO_QTC_Names[(sentQTC || rcvdQTC) ? qqQTC : qqQSO];
    if (flags.Contains(qfUserDeleted)) {
        line.Put(kTag, std::string(kDeletedPrefix) + std::string(word) + ":");
    } else {
        line.Put(kTag, std::string(word) + ": ");
    }
    line.Put(kFrequency, FrequencyText(*q), true);
    line.Put(kMode, CategoryName(CabrilloModeNames, q->Mode()), true);
    const CivilDate d = DecodeDate(q->DateTime());
    const CivilTime t = DecodeTime(q->DateTime());
    putDatePart({kDate.first, kDate.first + 3}, d.year);
    line.Text()[static_cast<std::size_t>(kDate.first + 3)] = '-';
    putDatePart({kDate.first + 5, kDate.first + 6}, d.month);
    line.Text()[static_cast<std::size_t>(kDate.first + 6)] = '-';
    putDatePart({kDate.first + 8, kDate.last}, d.day);
    putDatePart({kTime.first, kTime.first + 1}, t.hour);
    putDatePart({kTime.first + 2, kTime.last}, t.minute);

    if (qtcContest && (sentQTC || rcvdQTC)) {
        const std::string group = FormatQTCGroup(q->RcvdNumbers(1));
        const std::string qtcTime = q->RcvdNumbers(2), qtcCall = q->RcvdNumbers(3), qtcSerial = q->RcvdNumbers(4);
        int offset = 0;
        for (bool sentPart : {true, false}) {
            if (sentPart ? !sentQTC : !rcvdQTC) continue;
            if (sentPart) {
                put(Shifted(kQTC.firstCall, offset), call);
                putOwnCall(Shifted(kQTC.secondCall, offset));
            } else {
                putOwnCall(Shifted(kQTC.firstCall, offset));
                put(Shifted(kQTC.secondCall, offset), call);
            }
            put(Shifted(kQTC.group, offset), group);
            put(Shifted(kQTC.qtcTime, offset), qtcTime, true);
            put(Shifted(kQTC.qtcCall, offset), qtcCall);
            put(Shifted(kQTC.qtcSerial, offset), qtcSerial, true);
            offset += kQTCPartLength;
        }
        return std::move(line.Text());
    }

    const TQSOColumns& cols = qtcContest ? kQTCContestQSO : (wide ? kWide : kNarrow);
    // A QTC contest writes the first numbers whatever its counts; otherwise a half has
    // as many numbers as the contest has, at most two.
    const int sentCount = qtcContest ? 1 : std::min(s, wide ? 2 : 1);
    const int rcvdCount = qtcContest ? 1 : std::min(r, wide ? 2 : 1);
    putOwnCall(cols.firstCall);
    put(cols.sentRST, q->SentRST());
    if (sentCount >= 1) put(cols.sentNumber1, q->SentNumbers(0));
    if (sentCount >= 2) put(cols.sentNumber2, q->SentNumbers(1));
    put(cols.secondCall, call);
    put(cols.rcvdRST, q->RcvdRST());
    if (rcvdCount >= 1) put(cols.rcvdNumber1, q->RcvdNumbers(0));
    if (rcvdCount >= 2) put(cols.rcvdNumber2, q->RcvdNumbers(1));
    // The last field; a number of two or three digits lengthens the line.
    if (cols.transmitter.Width() > 0) line.Put(TransmitterField(cols), std::to_string(q->TransmitterNumber()));
    return std::move(line.Text());
}

}  // namespace qz
