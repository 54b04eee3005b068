// Reading legacy version-3 logs and converting them into native logs.
#include "logfile/qz3.h"

#include <filesystem>

#include "base/binio.h"
#include "base/datetime.h"
#include "base/frontend.h"
#include "base/installfiles.h"
#include "base/language.h"
#include "base/lsnumbers.h"
#include "base/text.h"

namespace qz {

namespace fs = std::filesystem;

namespace qz3 {

namespace {

// Indexed by the legacy contest code.
// clang-format off
constexpr TContestCode kContestCodes[kNoOfContestCodes] = {
    // contest      sent serial, text   rcvd serial, text
    {cWWDXcw,     false, true,  false, true},  // 0
    {cWPXcw,      true,  false, false, true},  // 1
    {cHSC,        true,  true,  true,  true},  // 2
    {cIARU,       false, true,  false, true},  // 3
    {cWAEcw,      true,  false, false, true},  // 4
    {cWAG,        false, true,  false, true},  // 5
    {cCQM,        true,  false, false, true},  // 6
    {cARRLcw,     false, true,  false, true},  // 7
    {cAADXcw,     false, true,  false, true},  // 8
    {cTOPS,       true,  true,  true,  true},  // 9
    {cFDcw,       true,  false, false, true},  // 10
    {cOKDX,       true,  false, false, true},  // 11
    {cWWDX160cw,  false, true,  false, true},  // 12
    {cXMAS,       false, true,  false, true},  // 13
    {cHADX,       true,  false, false, true},  // 14
    {cSPDX,       true,  false, false, true},  // 15
    {cPACC,       true,  false, false, true},  // 16
    {cWWSA,       true,  false, false, true},  // 17
    {cYV,         true,  false, false, true},  // 18
    {cLZDX,       false, true,  false, true},  // 19
    {cVKZLcw,     true,  false, false, true},  // 20
    {cSACcw,      true,  false, false, true},  // 21
    {cYODX,       false, true,  false, true},  // 22
    {cJIDXcw,     false, true,  false, true},  // 23
    {cAR160,      false, false, false, true},  // 24
    {cARI,        true,  false, false, true},  // 25
    {cUADX,       true,  false, false, true},  // 26
    {cUBAcw,      true,  false, true,  true},  // 27
    {cHK,         true,  false, false, true},  // 28
    {cUB5,        true,  false, false, true},  // 29
    {cHB9,        true,  false, true,  true},  // 30
    {cHB9hb,      true,  true,  true,  true},  // 31
    {cDARC10,     true,  true,  true,  true},  // 32
    {cHNY,        true,  true,  true,  true},  // 33
    {cEUHF,       false, true,  false, true},  // 34
    {cAR10,       true,  false, false, true},  // 35
    {cWAGdx,      true,  false, false, true},  // 36
    {cFDhb_cw,    true,  false, false, true},  // 37
    {cHADXha,     false, true,  false, true},  // 38
    {cXMAShb_cw,  true,  true,  true,  true},  // 39
    {cOKDXok,     false, true,  false, true},  // 40
    {cDXPDN,      false, true,  false, true},  // 41
    {c9Adx,       true,  false, false, true},  // 42
    {cOQRP,       true,  true,  true,  true},  // 43
};
// clang-format on

constexpr TBand kBandCodes[7] = {b160m, b160m, b80m, b40m, b20m, b15m, b10m};

// The first valid date field at or after `date`; false when none is left before the
// 16-bit field overflows.
bool NextValidDate(std::uint32_t date, std::uint32_t& result) {
    int year = static_cast<int>(date >> 9), month = static_cast<int>((date >> 5) & 15),
        day = static_cast<int>(date & 31);
    if (month == 0) {
        month = 1;
        day = 1;
    } else if (month > 12) {
        ++year;
        month = 1;
        day = 1;
    } else if (day == 0) {
        day = 1;
    } else if (day > DaysInMonth(year + 1980, month)) {
        day = 1;
        if (++month > 12) {
            month = 1;
            ++year;
        }
    }
    if (year > 127) return false;
    result = static_cast<std::uint32_t>(year << 9 | month << 5 | day);
    return true;
}

// The first valid time field at or after `time`; false when the day has none left.
bool NextValidTime(std::uint32_t time, std::uint32_t& result) {
    int hour = static_cast<int>(time >> 11), minute = static_cast<int>((time >> 5) & 63),
        sec2 = static_cast<int>(time & 31);
    if (sec2 > 29) {
        sec2 = 0;
        ++minute;
    }
    if (minute > 59) {
        minute = 0;
        sec2 = 0;
        ++hour;
    }
    if (hour > 23) return false;
    result = static_cast<std::uint32_t>(hour << 11 | minute << 5 | sec2);
    return true;
}

}  // namespace

const TContestCode& ContestCode(int code) { return kContestCodes[code]; }

bool BandFromCode(int code, TBand& band) {
    if (code < 1 || code > 6) return false;
    band = kBandCodes[code];
    return true;
}

std::uint32_t NextValidDosStamp(std::uint32_t stamp) {
    std::uint32_t date = stamp >> 16, time = stamp & 0xFFFF;
    std::uint32_t validDate = 0, validTime = 0;
    // A valid date keeps the first valid time of its own day; otherwise counting up
    // reaches the next valid date at 00:00:00, which is valid.
    if (NextValidDate(date, validDate) && validDate == date) {
        if (NextValidTime(time, validTime)) return date << 16 | validTime;
        if (date == 0xFFFF || !NextValidDate(date + 1, validDate)) return NextValidDosStamp(0);
        return validDate << 16;
    }
    if (validDate > date) return validDate << 16;
    // Past the last representable date the count wraps around to zero.
    return (NextValidDate(0, validDate) ? validDate : 0) << 16;
}

TDateTime DosStampToDateTime(std::uint32_t stamp) {
    const int time = static_cast<int>(stamp & 0xFFFF), date = static_cast<int>(stamp >> 16);
    TDateTime d = EncodeDate((date >> 9) + 1980, (date >> 5) & 15, date & 31);
    return d + EncodeTime(time >> 11, (time >> 5) & 63, (time & 31) * 2, 0);
}

}  // namespace qz3

namespace {

// Fixed-width text: the characters in `drop` are removed wherever they stand.
std::string FixedText(std::string_view bytes, std::string_view drop) {
    std::string s;
    for (char c : bytes)
        if (drop.find(c) == std::string_view::npos) s += c;
    return s;
}

// A four-character exchange text: up to its first NUL, without padding blanks.
std::string ExchangeText(std::string_view bytes) {
    std::size_t nul = bytes.find('\0');
    return Trim(bytes.substr(0, nul));
}

}  // namespace

TQZ3::TQZ3(std::string fileName) : LogMaker(MakeLogWithFactory), FFileName(std::move(fileName)) {}

std::unique_ptr<TContestLog> TQZ3::ReadFromBytes(std::string_view bytes) {
    FLastError.clear();
    Dropped = TDroppedLines{};
    auto fail = [&](const std::string& what) -> std::unique_ptr<TContestLog> {
        FLastError = FFileName + ": " + what;
        return nullptr;
    };
    if (bytes.size() < qz3::kRecordSize) return fail("the file is shorter than the 35-byte header of a version-3 log");
    if (NativeFileType(bytes.substr(0, 1 + kVersionStringLen), bytes.size()) != ftQZ3)
        return fail("not a log file of version 3");
    const auto code = static_cast<std::uint8_t>(bytes[30]);
    if (code >= qz3::kNoOfContestCodes) return fail("header: unknown contest code " + std::to_string(code));
    const qz3::TContestCode& legacy = qz3::ContestCode(code);

    TFileHeader header = NewFileHeader();
    header.fhContest_Contest = FixContest != cNoContest ? FixContest : legacy.contest;
    header.fhUser_OwnCall = CutTo(FixedText(bytes.substr(10, 12), std::string_view("\0\t ", 3)), kCallStringLen);
    auto log = LogMaker ? LogMaker(header, Cty) : nullptr;
    if (!log) return fail(LS(lsLogCreationFailed));

    const std::size_t records = (bytes.size() - qz3::kRecordSize) / qz3::kRecordSize;
    std::vector<std::unique_ptr<TQSO>> lines;
    lines.reserve(records);
    ProgressStart(static_cast<int>(std::min<std::size_t>(records, 0x7FFFFFFF)));
    for (std::size_t i = 0; i < records; ++i) {
        auto line = [i] { return "line " + std::to_string(i + 1) + ": "; };
        TByteReader r(bytes.substr((i + 1) * qz3::kRecordSize, qz3::kRecordSize));
        const std::uint8_t bandCode = r.U8();
        const std::uint8_t mode = r.U8();
        const std::uint32_t stamp = r.U32();
        const std::string call = FixedText(r.Bytes(12), std::string_view("\0 ", 2));
        const std::uint16_t sentRST = r.U16();
        const std::string sentText = ExchangeText(r.Bytes(4));
        const std::uint16_t sentSerial = r.U16();
        const std::uint16_t rcvdRST = r.U16();
        const std::string rcvdText = ExchangeText(r.Bytes(4));
        const std::uint16_t rcvdSerial = r.U16();

        TBand band;
        if (!qz3::BandFromCode(bandCode, band)) {
            ProgressEnd();
            return fail(line() + "invalid band code " + std::to_string(bandCode));
        }
        if (mode >= mEndOfList) {
            ProgressEnd();
            return fail(line() + "invalid mode value " + std::to_string(mode));
        }
        auto q = log->NewQSO(true);
        q->SetBand(band);
        q->SetMode(static_cast<TMode>(mode));
        q->SetDateTime(qz3::DosStampToDateTime(qz3::NextValidDosStamp(stamp)));
        q->SetCall(call);
        q->SetSentRST(std::to_string(sentRST));
        q->SetRcvdRST(std::to_string(rcvdRST));
        // The serial comes first when the contest used one; the text follows it.
        int sent = 0, rcvd = 0;
        if (legacy.sentSerial) q->SetSentNumbers(sent++, std::to_string(sentSerial));
        if (legacy.sentText) q->SetSentNumbers(sent++, sentText);
        if (legacy.rcvdSerial) q->SetRcvdNumbers(rcvd++, std::to_string(rcvdSerial));
        if (legacy.rcvdText) q->SetRcvdNumbers(rcvd++, rcvdText);
        lines.push_back(std::move(q));
        ProgressStep(1);
    }
    ProgressEnd();
    // A file cut inside its last record keeps every complete record before the cut.
    const std::size_t rest = (bytes.size() - qz3::kRecordSize) % qz3::kRecordSize;
    if (rest != 0)
        Dropped.Add(FFileName + ": line " + std::to_string(records + 1) + ": the record is cut short (" +
                    std::to_string(rest) + " of 35 bytes); the file ends inside this line, which was not read");
    AppendInTimeOrder(*log, lines);
    return log;
}

bool TQZ3::MoveSourceAside(std::string& movedTo) {
    fs::path target = fs::path(FFileName);
    target.replace_extension(".QZ3");
    movedTo = target.string();
    std::error_code ec;
    if (fs::exists(target, ec) || fs::is_symlink(target, ec)) {
        if (Ask4Overwrite &&
            AskOkCancel(LS(lsTheFile) + " " + movedTo + " " + LS(lsOverwriteConfirm)) != TMsgAnswer::Ok) {
            FCancelled = true;
            FLastError = movedTo + ": the file exists and was not overwritten";
            return false;
        }
        // A folder in the way is removed only when it is empty.
        if (fs::is_directory(target, ec) && !fs::is_symlink(target, ec)) fs::remove(target, ec);
        // The file replaced is another log's source: a copy of it is kept.
        std::string backup;
        if (fs::is_regular_file(fs::symlink_status(target, ec))) {
            if (!CopyToBackup(movedTo, &backup)) {
                FLastError = movedTo + ": the backup copy could not be made; nothing was changed";
                return false;
            }
            ShowInfoMessage(movedTo + ": the previous file was kept as " + backup);
        }
    }
    fs::rename(FFileName, target, ec);
    if (ec) {
        FLastError = FFileName + " " + LS(lsRenameFailed) + " (" + ec.message() + ")";
        ShowErrorMessage(FFileName + " " + LS(lsRenameFailed));
        return false;
    }
    ShowInfoMessage(FFileName + " " + LS(lsRenamedTo) + " " + movedTo);
    return true;
}

std::string TQZ3::ConvertLog() {
    FLastError.clear();
    FCancelled = false;
    if (FFileName.empty()) return {};
    std::string bytes;
    if (!ReadWholeFile(FFileName, bytes, &FLastError)) return {};
    std::unique_ptr<TContestLog> log = ReadFromBytes(bytes);
    if (!log) return {};
    // Converting in place would replace the damaged file and lose the cut record's
    // bytes for good: the source stays as it is.
    if (Dropped.count > 0 && TargetFileName.empty() &&
        SameText(fs::path(FFileName).extension().string(), qzf::kExtension)) {
        FLastError = Dropped.listed.front() + "; the file was not converted in place";
        return {};
    }

    std::string target = TargetFileName;
    std::string movedTo;
    if (target.empty()) {
        target = FFileName;
        // A file already named ".QZ3" stays where it is; the log is written beside it.
        const std::string extension = fs::path(FFileName).extension().string();
        if (!SameText(extension, qzf::kExtension) && !SameText(extension, ".QZ3") && !MoveSourceAside(movedTo))
            return {};
    }
    TQZF qzf;
    std::string written = qzf.StoreLog(target, *log, Ask4Overwrite);
    if (written.empty()) {
        FLastError = qzf.LastError();
        FCancelled = qzf.Cancelled();
        std::error_code ec;
        if (!movedTo.empty()) fs::rename(movedTo, FFileName, ec);
    }
    return written;
}

}  // namespace qz
