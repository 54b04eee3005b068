// The native log file: encoding and decoding of the line records, the header rules and
// the atomic store.
#include "logfile/qzf.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <limits>

#include "base/binio.h"
#include "base/datetime.h"
#include "base/frontend.h"
#include "base/installfiles.h"
#include "base/language.h"
#include "base/lsnumbers.h"
#include "base/fileio.h"
#include "base/text.h"
#include "base/version.h"
#include "contests/framework/factory.h"
#include "domain/fileheader.h"

namespace qz {

namespace fs = std::filesystem;

namespace {

// The TDateTime range of the years 1 to 9999; a stored value outside it (or not a
// number) is damage, and the date helpers must never see it.
constexpr double kMinDateTime = -693593.0;
constexpr double kMaxDateTime = 2958466.0;

bool IsValidDateTime(double dt) { return std::isfinite(dt) && dt >= kMinDateTime && dt < kMaxDateTime; }

int ClampToInt(std::uint64_t v) {
    return v > static_cast<std::uint64_t>(std::numeric_limits<int>::max()) ? std::numeric_limits<int>::max()
                                                                           : static_cast<int>(v);
}

std::string VersionPrefix(std::string_view firstBytes) {
    if (firstBytes.empty()) return {};
    std::size_t len = static_cast<unsigned char>(firstBytes[0]);
    len = std::min({len, static_cast<std::size_t>(kVersionStringLen), firstBytes.size() - 1});
    return std::string(firstBytes.substr(1, len));
}

bool SameStart(const std::string& version, std::string_view reference, std::size_t n) {
    return version.size() >= n && reference.size() >= n && version.compare(0, n, reference.substr(0, n)) == 0;
}

// Version-3 logs are 35-byte records; the first carries the version string.
constexpr std::uint64_t kQZ3RecordSize = 35;

bool IsShortQZ3(std::string_view firstBytes, std::uint64_t fileSize) {
    return fileSize >= kQZ3RecordSize && SameStart(VersionPrefix(firstBytes), QZ3VersionString, 6);
}

// Line records

void PutString(TByteWriter& w, std::string_view s, std::size_t max) {
    std::size_t n = std::min(s.size(), max);
    w.U8(static_cast<std::uint8_t>(n));
    w.Bytes(s.substr(0, n));
}

std::string JoinComment(const std::vector<std::string>& lines) {
    std::string text;
    for (const auto& l : lines) {
        text += l;
        text += "\r\n";
    }
    if (text.size() > static_cast<std::size_t>(qzf::kMaxCommentLength)) text.resize(qzf::kMaxCommentLength);
    return text;
}

bool HasLineData(const TQSO& q) { return q.Frequency() != 0 || q.TransmitterNumber() != 0; }

// The string behind the sent numbers of a record with kLineDataFlagBit.
void PutLineData(TByteWriter& w, const TQSO& q) {
    w.U8(static_cast<std::uint8_t>(qzf::kLineDataTransmitterEnd));
    w.U32(q.Frequency());
    w.U8(q.TransmitterNumber());
}

void TakeLineData(std::string_view data, TQSO& q) {
    TByteReader r(data);
    if (data.size() >= qzf::kLineDataFrequencyEnd) q.SetFrequency(r.U32());
    if (data.size() >= qzf::kLineDataTransmitterEnd) q.SetTransmitterNumber(r.U8());
}

void EncodeRecord(TQSO& q, int sentCount, int rcvdCount, TByteWriter& w) {
    if (!q.Comment().empty()) q.IncludeFlag(qfCommentAdded);
    std::uint8_t flags = static_cast<std::uint8_t>(q.QSOFlags().bits() & qzf::kStoredFlagBits);
    // A line without line data is written as it always was.
    const bool lineData = HasLineData(q) && sentCount < 0xFFFF;
    if (lineData) flags |= qzf::kLineDataFlagBit;
    w.U8(q.Band());
    w.U8(q.Mode());
    w.F64(q.DateTime());
    w.ShortString(q.SentRST(), kRSTStrLen);
    w.ShortString(q.RcvdRST(), kRSTStrLen);
    w.U8(flags);
    w.U16(static_cast<std::uint16_t>(sentCount + (lineData ? 1 : 0)));
    w.U16(static_cast<std::uint16_t>(rcvdCount));
    PutString(w, q.Call().Call(), qzf::kMaxStringLength);
    for (int i = 0; i < sentCount; ++i) PutString(w, q.SentNumbers(i), qzf::kMaxStringLength);
    if (lineData) PutLineData(w, q);
    for (int i = 0; i < rcvdCount; ++i) PutString(w, q.RcvdNumbers(i), qzf::kMaxStringLength);
    if (flags & (1u << qfCommentAdded)) {
        std::string text = JoinComment(q.Comment());
        w.I32(static_cast<std::int32_t>(text.size()));
        w.Bytes(text);
    }
}

// Reads the records after the header into `lines`; false with `error` at the first
// damaged record. Every count and length is checked against the bytes left before it
// is used.
class TRecordReader {
public:
    TRecordReader(std::string_view records, const TContestLog& log, std::string& error)
        : records_(records), r_(records), log_(log), error_(error) {}

    bool ReadAll(std::vector<std::unique_ptr<TQSO>>& lines, std::size_t expected) {
        lines.reserve(std::min(expected, r_.Left() / qzf::kRecordFixedSize));
        ProgressStart(ClampToInt(kFileHeaderSize + r_.Left()));
        ProgressStep(static_cast<int>(kFileHeaderSize));
        bool ok = true;
        while (ok && r_.Left() > 0) {
            ++line_;
            std::size_t before = r_.Pos();
            auto q = log_.NewQSO(true);
            ok = ReadRecord(*q);
            // A record of nothing but zero bytes (a file cut or padded by a crash or a
            // copy) is no QSO: 1899-12-30 on 160 m without a call. It is skipped.
            if (ok && IsAllZero(before, r_.Pos())) {
                if (zeroRecords_++ == 0) firstZero_ = line_;
            } else if (ok) {
                lines.push_back(std::move(q));
            }
            ProgressStep(static_cast<int>(r_.Pos() - before));
        }
        ProgressEnd();
        return ok;
    }

    int Records() const { return line_ - (cut_ ? 1 : 0); }
    // ReadAll stopped because the file ends inside the last record it tried.
    bool EndsInsideRecord() const { return cut_; }
    int ZeroRecords() const { return zeroRecords_; }
    int FirstZero() const { return firstZero_; }

private:
    bool IsAllZero(std::size_t from, std::size_t to) const {
        return records_.substr(from, to - from).find_first_not_of('\0') == std::string_view::npos;
    }

    bool Bad(const std::string& what) {
        error_ = "line " + std::to_string(line_) + ": " + what;
        return false;
    }
    // The record runs past the end of the bytes: the file was cut inside it.
    bool Cut(const std::string& what) {
        cut_ = true;
        return Bad(what);
    }

    bool String(std::string& value, const char* what) {
        if (r_.Left() < 1) return Cut(std::string("the record ends before its ") + what);
        std::size_t n = r_.U8();
        if (n > r_.Left()) return Cut(std::string("the ") + what + " runs past the end of the file");
        value = r_.Bytes(n);
        return true;
    }

    bool ReadRecord(TQSO& q) {
        if (r_.Left() < qzf::kRecordFixedSize)
            return Cut("the record is cut short (" + std::to_string(r_.Left()) + " of at least " +
                       std::to_string(qzf::kRecordFixedSize) + " bytes)");
        const std::uint8_t band = r_.U8();
        const std::uint8_t mode = r_.U8();
        const double dateTime = r_.F64();
        bool sentOk = true, rcvdOk = true;
        const std::string sentRST = r_.ShortString(kRSTStrLen, &sentOk);
        const std::string rcvdRST = r_.ShortString(kRSTStrLen, &rcvdOk);
        const std::uint8_t flags = r_.U8();
        const std::size_t sentCount = r_.U16();
        const std::size_t rcvdCount = r_.U16();

        if (band >= kNoOfBands) return Bad("invalid band value " + std::to_string(band));
        if (mode >= mEndOfList) return Bad("invalid mode value " + std::to_string(mode));
        if (!IsValidDateTime(dateTime)) return Bad("invalid date and time");
        if (!sentOk) return Bad("length of the sent RST exceeds 3");
        if (!rcvdOk) return Bad("length of the received RST exceeds 3");

        // Property writes in the order in which they depend on each other: the QTC
        // flags empty the RSTs, the mode decides their length.
        q.SetQSOFlags(SQSOFlags::FromBits(flags & qzf::kStoredFlagBits));
        q.SetBand(static_cast<TBand>(band));
        q.SetMode(static_cast<TMode>(mode));
        q.SetDateTime(dateTime);
        if (!q.SetSentRST(sentRST)) return Bad("the sent RST '" + sentRST + "' is not a number");
        if (!q.SetRcvdRST(rcvdRST)) return Bad("the received RST '" + rcvdRST + "' is not a number");

        std::string call;
        if (!String(call, "call")) return false;
        q.SetCall(call);
        // Every string takes at least its length byte.
        if (sentCount + rcvdCount > r_.Left())
            return Cut("the counts of exchanged numbers (" + std::to_string(sentCount) + " sent, " +
                       std::to_string(rcvdCount) + " received) run past the end of the file");
        std::string value;
        const bool lineData = (flags & qzf::kLineDataFlagBit) != 0 && sentCount > 0;
        const std::size_t sentNumbers = lineData ? sentCount - 1 : sentCount;
        for (std::size_t i = 0; i < sentNumbers; ++i) {
            if (!String(value, "sent number")) return false;
            q.SetSentNumbers(static_cast<int>(i), value);
        }
        if (lineData) {
            if (!String(value, "line data")) return false;
            TakeLineData(value, q);
        }
        for (std::size_t i = 0; i < rcvdCount; ++i) {
            if (!String(value, "received number")) return false;
            q.SetRcvdNumbers(static_cast<int>(i), value);
        }
        if (flags & (1u << qfCommentAdded)) {
            if (r_.Left() < 4) return Cut("the record ends before its comment length");
            const std::int32_t len = r_.I32();
            if (len < 0 || len > qzf::kMaxCommentLength)
                return Bad("comment length " + std::to_string(len) + " outside 0.." +
                           std::to_string(qzf::kMaxCommentLength));
            if (static_cast<std::size_t>(len) > r_.Left())
                return Cut("the comment of " + std::to_string(len) + " bytes runs past the end of the file");
            q.SetComment(SplitLines(r_.Bytes(static_cast<std::size_t>(len))));
        }
        return true;
    }

    std::string_view records_;
    TByteReader r_;
    const TContestLog& log_;
    std::string& error_;
    int line_ = 0;
    int zeroRecords_ = 0;
    int firstZero_ = 0;
    bool cut_ = false;
};

}  // namespace

// Header

TFileHeader NewFileHeader() {
    TFileHeader h;
    h.fhQZ_VersionString = std::string(QZVersionString);
    h.fhQZ_CreatedVersion = ProgramVersion();
    h.fhQZ_LastModifiedVersion = ProgramVersion();
    h.fhQZ_NoOfColumnDescriptors = 0;
    for (auto& c : h.fhQZ_ColumnDescriptors) c = TFileColumnEntry{cpNr, -1, 0};
    h.fhQZ_OutputWindows = SOutputWindow{owMessages};
    h.fhUser_PowerCategory = powLowPower;
    h.fhUser_ARRLSection = "DX";
    h.fhContest_Contest = cNoContest;
    h.fhContest_ParticipationCategory = catSingleOp;
    h.fhContest_CtyFile = InstalledFilePath(InstalledFile("cty.dat"));
    h.fhContest_CategoryAssisted = caNonAssisted;
    h.fhContest_CategoryOperator = coSingleOp;
    h.fhContest_CategoryPower = cpLow;
    h.fhContest_CategoryStation = csFixed;
    h.fhContest_CategoryTime = ctm24Hours;
    h.fhContest_CategoryTransmitter = ctxOne;
    h.fhContest_CategoryOverlay = coNone;
    return h;
}

void DeriveCategoriesFromOldFields(TFileHeader& h) {
    switch (h.fhUser_PowerCategory) {
        case powHighPower: h.fhContest_CategoryPower = cpHigh; break;
        case powLowPower: h.fhContest_CategoryPower = cpLow; break;
        case powQRP: h.fhContest_CategoryPower = cpQRP; break;
        default: h.fhContest_CategoryPower = cpLow; break;
    }
    const TParticipationCategory p = h.fhContest_ParticipationCategory;
    const bool multi = p == catMultiOpSingleTX || p == catMultiOpTwoTX || p == catMultiOpMultiTX ||
                       p == catLimitedMulti || p == catScoolClub;
    h.fhContest_CategoryOperator = multi ? coMultiOp : coSingleOp;
    h.fhContest_CategoryAssisted = p == catSingleOpUnlimited ? caAssisted : caNonAssisted;
    h.fhContest_CategoryStation = p == catRoverStation ? csRover : p == catScoolClub ? csSchool : csFixed;
    h.fhContest_CategoryTime = ctm24Hours;
    h.fhContest_CategoryTransmitter = p == catMultiOpTwoTX     ? ctxTwo
                                      : p == catMultiOpMultiTX ? ctxUnlimited
                                      : p == catLimitedMulti   ? ctxLimited
                                                               : ctxOne;
    h.fhContest_CategoryOverlay = coNone;
}

void UpgradeFileHeader(TFileHeader& h) {
    const std::int32_t m = h.fhQZ_LastModifiedVersion.MainVersion;
    const std::int32_t s = h.fhQZ_LastModifiedVersion.SubVersion;
    if (m <= 4 && s <= 1) DeriveCategoriesFromOldFields(h);
    if (m <= 4 && s < 1) {
        h.fhUser_Name.clear();
        h.fhUser_Specific.clear();
    }
    if (m <= 4 && s < 6) {
        h.fhContest_Year = 0;
        h.fhQZ_ReadOnly = false;
    }
}

bool IsNativeLog(std::string_view firstBytes, std::uint64_t fileSize) {
    if (fileSize >= kFileHeaderSize && firstBytes.size() >= 5 && firstBytes.substr(1, 4) == "QZ v") return true;
    return IsShortQZ3(firstBytes, fileSize);
}

TFileType NativeFileType(std::string_view firstBytes, std::uint64_t fileSize) {
    if (!IsNativeLog(firstBytes, fileSize)) return ftUnknown;
    const std::string version = VersionPrefix(firstBytes);
    if (SameStart(version, QZVersionString, 6)) return fileSize >= kFileHeaderSize ? ftQZ4 : ftUnknown;
    if (SameStart(version, QZ3VersionString, 6)) return ftQZ3;
    return ftUnknown;
}

bool IsCutNativeHeader(std::string_view firstBytes, std::uint64_t fileSize) {
    return fileSize < kFileHeaderSize && SameStart(VersionPrefix(firstBytes), QZVersionString, 6);
}

TFileType NativeFileTypeOfFile(const std::string& fileName) {
    std::string first;
    std::uint64_t size = 0;
    if (!ReadFileStart(fileName, 1 + kVersionStringLen, first, &size)) return ftUnknown;
    return NativeFileType(first, size);
}

std::string NativeFileName(const std::string& fileName) {
    fs::path p(fileName);
    if (p.extension().string() != qzf::kExtension) p.replace_extension(qzf::kExtension);
    return FindFileIgnoringCase(p.string());
}

std::string ProposedNativeFileName(std::string_view ownCall, std::string_view contestShortName, int year) {
    std::string name;
    auto addPart = [&name](std::string_view part) {
        std::string clean;
        for (char c : part) {
            const bool kept = IsLetter(c) || IsDigit(c) || c == '-';
            clean += kept ? c : '-';
        }
        // "-" at either end of a part would double the separator.
        while (!clean.empty() && clean.front() == '-') clean.erase(clean.begin());
        while (!clean.empty() && clean.back() == '-') clean.pop_back();
        if (clean.empty()) return;
        if (!name.empty()) name += '-';
        name += clean;
    };
    addPart(Trim(ownCall));
    addPart(Trim(contestShortName));
    if (year > 0) addPart(std::to_string(year));
    if (name.empty()) name = "QZ";
    return name + std::string(qzf::kExtension);
}

std::unique_ptr<TContestLog> MakeLogWithFactory(const TFileHeader& header, std::shared_ptr<const TCtyStuff> cty) {
    return CreateContestLog(header, nullptr, std::move(cty));
}

void AppendInTimeOrder(TContestLog& log, std::vector<std::unique_ptr<TQSO>>& lines) {
    // Inserting each line after all lines of equal or earlier time is a stable sort.
    std::stable_sort(lines.begin(), lines.end(),
                     [](const auto& a, const auto& b) { return a->DateTime() < b->DateTime(); });
    for (auto& q : lines) log.AppendQSO(std::move(q));
    lines.clear();
}

bool ReadNativeHeader(std::string_view bytes, const std::string& fileName, TFileHeader& header, std::string* error) {
    auto fail = [&](const std::string& what) {
        if (error) *error = fileName + ": " + what;
        return false;
    };
    if (bytes.size() < kFileHeaderSize) return fail("the file is shorter than the 4096-byte header of a log");
    if (NativeFileType(bytes.substr(0, 1 + kVersionStringLen), bytes.size()) != ftQZ4)
        return fail("not a log file of version 4");
    TFileHeader h;
    std::string why;
    if (!DecodeFileHeader(bytes, h, &why)) return fail("header: " + why);
    UpgradeFileHeader(h);
    header = std::move(h);
    return true;
}

// TQZF

TQZF::TQZF() : LogMaker(MakeLogWithFactory) {}

bool TQZF::Fail(const std::string& message) {
    FLastError = message;
    return false;
}

std::string TQZF::EncodeLog(TContestLog& log) {
    TFileHeader& h = log.Bookkeeping();
    h.fhQZ_VersionString = std::string(QZVersionString);
    h.fhQZ_lastModifiedTimeStamp = NowLocal();
    h.fhQZ_LastModifiedVersion = ProgramVersion();
    if (h.fhQZ_CreatedTimeStamp == 0) {
        h.fhQZ_CreatedTimeStamp = h.fhQZ_lastModifiedTimeStamp;
        h.fhQZ_CreatedVersion = h.fhQZ_LastModifiedVersion;
    }
    h.fhContest_NoOfQSOs = log.NoOfQSOs();

    std::string out;
    out.reserve(kFileHeaderSize + static_cast<std::size_t>(log.NoOfQSOs()) * 64);
    EncodeFileHeader(h, out);
    TByteWriter w(out);
    const int sent = std::clamp(log.NoOfSentNumbers(), 0, 0xFFFF);
    const int rcvd = std::clamp(log.NoOfRcvdNumbers(), 0, 0xFFFF);
    ProgressStart(log.NoOfQSOs());
    for (int i = 0; i < log.NoOfQSOs(); ++i) {
        EncodeRecord(*log.QSOs(i), sent, rcvd, w);
        ProgressStep(1);
    }
    ProgressEnd();
    return out;
}

std::string TQZF::StoreLog(const std::string& fileName, TContestLog& log, bool ask4Overwrite) {
    FLastError.clear();
    FCancelled = false;
    std::string name = NativeFileName(fileName);
    // A dangling link counts as a file: writing through it is replacing something.
    while (ask4Overwrite && PathTaken(name)) {
        TMsgAnswer answer = AskYesNoCancel(name + " " + LS(lsOverwriteExisting));
        if (answer == TMsgAnswer::Yes) break;
        if (answer == TMsgAnswer::No && ChooseSaveName) {
            std::string chosen = name;
            if (ChooseSaveName(chosen)) name = chosen;
            continue;
        }
        // Cancel, or No where no other name can be offered: the existing file stays.
        FCancelled = true;
        FLastError = name + ": the file exists and was not overwritten";
        return {};
    }
    const std::string bytes = EncodeLog(log);
    std::string error;
    if (!WriteFileAtomically(name, bytes, &error)) {
        FLastError = error;
        return {};
    }
    FFileName = name;
    return name;
}

std::unique_ptr<TContestLog> TQZF::ReadLog(const std::string& fileName, std::shared_ptr<const TCtyStuff> cty) {
    FLastError.clear();
    std::string bytes;
    if (!ReadWholeFile(fileName, bytes, &FLastError)) return nullptr;
    return ReadLogFromBytes(bytes, fileName, std::move(cty));
}

std::unique_ptr<TContestLog> TQZF::ReadLogFromBytes(std::string_view bytes, const std::string& fileName,
                                                    std::shared_ptr<const TCtyStuff> cty) {
    FLastError.clear();
    FFileName = fileName;
    Dropped = TDroppedLines{};
    TFileHeader header;
    std::string error;
    if (!ReadNativeHeader(bytes, fileName, header, &FLastError)) return nullptr;
    auto log = LogMaker ? LogMaker(header, std::move(cty)) : nullptr;
    if (!log) {
        Fail(fileName + ": " + LS(lsLogCreationFailed));
        return nullptr;
    }
    std::vector<std::unique_ptr<TQSO>> lines;
    TRecordReader reader(bytes.substr(kFileHeaderSize), *log, error);
    const std::size_t expected =
        header.fhContest_NoOfQSOs > 0 ? static_cast<std::size_t>(header.fhContest_NoOfQSOs) : 0;
    if (!reader.ReadAll(lines, expected)) {
        // Variable-length records cannot be resynchronised after a damaged one; a file
        // cut inside its last record keeps every complete record before the cut.
        if (!reader.EndsInsideRecord()) {
            Fail(fileName + ": " + error);
            return nullptr;
        }
        // The header's count tells how many lines the rest of the file held.
        const int lost = std::max(1, header.fhContest_NoOfQSOs - reader.Records());
        const std::string message =
            fileName + ": " + error + "; the file ends inside this line" +
            (lost > 1 ? ": it and the lines after it (" + std::to_string(lost) + " by the header's count) were not read"
                      : ", which was not read");
        Dropped.Add(message, lost);
        if (Messages) Messages->push_back(message);
    }
    if (Messages) {
        if (reader.ZeroRecords() > 0)
            Messages->push_back(
                fileName + ": " + std::to_string(reader.ZeroRecords()) +
                " records of nothing but zero bytes are no lines and were skipped, the first is record " +
                std::to_string(reader.FirstZero()));
        if (reader.Records() != header.fhContest_NoOfQSOs)
            Messages->push_back(fileName + ": the header counts " + std::to_string(header.fhContest_NoOfQSOs) +
                                " lines, the file holds " + std::to_string(reader.Records()) + " records");
    }
    AppendInTimeOrder(*log, lines);
    return log;
}

bool TQZF::ReadPreviewInformation(const std::string& fileName, TFileHeader& header) {
    FLastError.clear();
    // The header plus the fixed part of one record is all the preview needs.
    std::string bytes;
    if (CheckReadableFile(fileName, kMaxReadFileSize, &FLastError) != TReadFileError::None) return false;
    if (!ReadFileStart(fileName, kFileHeaderSize + qzf::kRecordFixedSize, bytes))
        return Fail(fileName + ": cannot open the file");
    return ReadPreviewFromBytes(std::string_view(bytes), fileName, header);
}

bool TQZF::ReadPreviewFromBytes(std::string_view bytes, const std::string& fileName, TFileHeader& header) {
    FLastError.clear();
    if (bytes.size() < kFileHeaderSize + qzf::kRecordFixedSize)
        return Fail(fileName + ": the file holds no complete header and line");
    TFileHeader h;
    if (!ReadNativeHeader(bytes, fileName, h, &FLastError)) return false;
    TByteReader r(bytes.substr(kFileHeaderSize, qzf::kRecordFixedSize));
    const std::uint8_t band = r.U8();
    const std::uint8_t mode = r.U8();
    const double dateTime = r.F64();
    if (band >= kNoOfBands || mode >= mEndOfList || !IsValidDateTime(dateTime))
        return Fail(fileName + ": line 1: invalid band, mode or date");
    h.fhContest_Year = static_cast<std::uint16_t>(DecodeDate(dateTime).year);
    header = std::move(h);
    return true;
}

}  // namespace qz
