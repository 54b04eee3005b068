// Reads QW binary logs and their QTC companion files. Every short string is cut to its
// field, so a damaged length byte never reads into the next field or past the record.
#include "import/qwimport.h"

#include <algorithm>
#include <cstring>

#include "base/frontend.h"
#include "base/language.h"
#include "base/lsnumbers.h"
#include "base/options.h"
#include "base/text.h"
#include "logfile/qzf.h"

namespace qz {

namespace {

constexpr std::array<TBand, 6> kBands = {b160m, b80m, b40m, b20m, b15m, b10m};

template <typename T>
T NumberAt(std::string_view b, std::size_t offset) {
    T v;
    std::memcpy(&v, b.data() + offset, sizeof v);
    return v;
}

bool PartOf(std::string_view text, std::size_t from, int& value) {
    if (text.size() < from + 2) return false;
    std::int32_t v;
    if (!TryStrToInt(text.substr(from, 2), v)) return false;
    value = v;
    return true;
}

}  // namespace

std::string QWShortString(std::string_view bytes, std::size_t offset, std::size_t maxLength) {
    const std::size_t length = std::min<std::size_t>(static_cast<std::uint8_t>(bytes[offset]), maxLength);
    return std::string(bytes.substr(offset + 1, length));
}

TDateTime QWDateTimeOf(std::string_view date, std::string_view time) {
    int year, month, day, hour, minute;
    if (!PartOf(date, 0, year) || !PartOf(date, 2, month) || !PartOf(date, 4, day) || !PartOf(time, 0, hour) ||
        !PartOf(time, 2, minute))
        return 0;
    year += year <= 90 ? 2000 : 1900;
    TDateTime d, t;
    if (!TryEncodeDate(year, month, day, d) || !TryEncodeTime(hour, minute, 0, 0, t)) return 0;
    return d + t;
}

TBand QWBandOf(std::uint8_t code) { return code >= 1 && code <= 6 ? kBands[code - 1u] : bSAT; }

TQWConvert::TQWConvert(std::string fileName, std::vector<std::string>* messages)
    : TBinaryConvert(std::move(fileName), messages), FQWBandArr(kBands) {}

TQWConvert::TQWConvert(std::string_view bytes, std::string fileName, std::vector<std::string>* messages)
    : TBinaryConvert(bytes, std::move(fileName), messages), FQWBandArr(kBands) {}

TFileType TQWConvert::CheckFormat() { return VersionTest(false); }

TFileType TQWConvert::VersionTest(bool showMessageBoxes) {
    std::uint64_t size = 0;
    std::string first;
    FDamaged.clear();
    // Only files of the QW extension get here: a length that does not fit is a QW log
    // cut short (or none at all), and is said so rather than guessed at as text.
    if (!Peek(0, first, size) || size <= qw::kHeaderSize) {
        FLastError = FFileName + " " + LS(lsFileTooShort);
        FDamaged = FFileName + ": " + std::to_string(size) + " bytes, no more than the " +
                   std::to_string(qw::kHeaderSize) + "-byte header of a QW log: a QW log cut short, or no QW log";
        if (showMessageBoxes) ShowErrorMessage(FLastError);
        return ftUnknown;
    }
    if ((size - qw::kHeaderSize) % qw::kRecordSize == 0) return ftQW4;
    if (showMessageBoxes && AskOkCancel(FFileName + " " + LS(lsQWUnusualLength)) == TMsgAnswer::Ok) return ftQW4;
    FLastError = FFileName + ": the length (" + std::to_string(size) +
                 " bytes) is no header and whole number of 62-byte records: no QW log, or a damaged one";
    FDamaged = FLastError;
    return ftUnknown;
}

bool TQWConvert::BuildLog(bool showMessageBoxes) {
    FContestLog.reset();
    if (VersionTest(showMessageBoxes) == ftUnknown) return false;
    if (!Load()) return false;
    const std::string_view bytes = Bytes();
    if (bytes.size() <= qw::kHeaderSize) {
        FLastError = FFileName + " " + LS(lsFileTooShort);
        return false;
    }
    TFileHeader header = NewFileHeader();
    header.fhUser_OwnCall = QWShortString(bytes, qw::kOwnCallOffset, 14).substr(0, kCallStringLen);
    if (header.fhUser_OwnCall.empty()) header.fhUser_OwnCall = CallFromFolderName(FFileName).substr(0, kCallStringLen);
    header.fhContest_Contest = DefaultContest;
    if (FixContest == cNoContest && DefaultContest == cNoContest && !(showMessageBoxes && EditHeader)) {
        FLastError = FFileName + ": a QW log names no contest";
        FContestUnknown = true;
        return false;
    }
    if (!CreateLog(header, showMessageBoxes)) return false;
    FContestLog->SetConstantSentNumber(FContestLog->IsAVHFContest() ? QWShortString(bytes, qw::kOwnLocatorOffset, 6)
                                                                    : QWShortString(bytes, qw::kOwnDOKOffset, 6));
    std::size_t number = 0;
    for (std::size_t pos = qw::kHeaderSize; pos < bytes.size(); pos += qw::kRecordSize) {
        ++number;
        if (bytes.size() - pos < qw::kRecordSize) {
            DropCutRecord(FFileName, number, bytes.size() - pos, qw::kRecordSize);
            break;
        }
        ReadRecord(bytes.substr(pos, qw::kRecordSize));
    }
    if (Options.Import_BIN_Look4QTCFile.oValue) ReadQTCFile();
    return true;
}

void TQWConvert::ReadRecord(std::string_view r) {
    TQSO& q = AppendLine(true);
    q.SetCall(QWShortString(r, 14, 14));
    q.SetDateTime(QWDateTimeOf(QWShortString(r, 7, 6), QWShortString(r, 2, 4)));
    const std::uint8_t code = static_cast<std::uint8_t>(r[36]);
    q.SetBand(code >= 1 && code <= 6 ? FQWBandArr[code - 1u] : bSAT);
    const std::uint16_t sentRST = NumberAt<std::uint16_t>(r, 37);
    q.SetMode(sentRST > 59 ? mCW : mSSB);
    q.SetSentRST(std::to_string(sentRST));
    const int sentIndex = FContestLog->GetSentNumericNumberIndex();
    if (sentIndex >= 0) q.SetSentNumbers(sentIndex, std::to_string(NumberAt<std::uint16_t>(r, 39)));
    const std::string received = std::to_string(NumberAt<std::int32_t>(r, 41));
    const std::size_t rstLength = q.Mode() == mCW ? 3 : 2;
    q.SetRcvdRST(received.substr(0, rstLength));
    const std::string number = received.size() > rstLength ? received.substr(rstLength) : std::string();
    SetReceived(q, number, QWShortString(r, 29, 6), QWShortString(r, 56, 5));
}

void TQWConvert::SetReceived(TQSO& q, const std::string& number, const std::string& locator, const std::string& dok) {
    const int k = FContestLog->GetRcvdNumericNumberIndex();
    const int count = FContestLog->NoOfRcvdNumbers();
    if (k >= 0) {
        q.SetRcvdNumbers(k, number);
        if (count > 1) q.SetRcvdNumbers(k == 0 ? 1 : 0, FContestLog->IsAVHFContest() ? locator : dok);
    } else if (dok.empty()) {
        if (count > 0) q.SetRcvdNumbers(0, number);
    } else if (count == 1) {
        q.SetRcvdNumbers(0, dok);
    } else if (count > 1) {
        q.SetRcvdNumbers(0, number);
        q.SetRcvdNumbers(1, dok);
    }
}

void TQWConvert::ReadQTCFile() {
    std::string bytes, name;
    if (!LoadCompanion(bytes, name)) return;
    const std::size_t records = bytes.size() / qw::kQTCRecordSize;
    const bool european = FContestLog->OwnCall().Continent() == coEU;
    std::vector<std::unique_ptr<TQSO>> rows;
    ProgressStart(static_cast<int>(records));
    for (std::size_t i = 0; i < records; ++i) {
        ProgressStep(1);
        const std::string_view r = std::string_view(bytes).substr(i * qw::kQTCRecordSize, qw::kQTCRecordSize);
        const std::string call = QWShortString(r, 16, 14);
        if (call.empty()) continue;
        const TDateTime when = QWDateTimeOf(QWShortString(r, 5, 6), QWShortString(r, 0, 4));
        const std::string bandText = QWShortString(r, 12, 3);
        auto probe = FContestLog->NewQSO(false);
        const bool bandRead = probe->SetChangedBandEx(bandText);
        if (!bandRead) RecordNote(name, i + 1, "band \"" + bandText + "\" not understood; the band was not set");
        const std::string group = QWShortString(r, 31, 20);
        for (std::size_t e = 0; e < 10; ++e) {
            const std::string reported = QWShortString(r, 152 + 15 * e, 14);
            if (reported.empty()) continue;
            auto q = FContestLog->NewQSO(true);
            SQSOFlags flags = q->QSOFlags();
            flags.Include(european ? qfRcvdQTC : qfSentQTC);
            q->SetQSOFlags(flags);
            q->SetCall(call);
            q->SetDateTime(when);
            if (bandRead) q->SetBand(probe->Band());
            q->SetRcvdNumbers(1, group);
            q->SetRcvdNumbers(2, QWShortString(r, 52 + 5 * e, 4));
            q->SetRcvdNumbers(3, reported);
            q->SetRcvdNumbers(4, QWShortString(r, 102 + 5 * e, 4));
            rows.push_back(std::move(q));
        }
    }
    ProgressEnd();
    if (bytes.size() % qw::kQTCRecordSize != 0)
        DropCutRecord(name, records + 1, bytes.size() % qw::kQTCRecordSize, qw::kQTCRecordSize);
    InsertRowsAtTime(std::move(rows));
}

}  // namespace qz
