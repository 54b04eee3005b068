// Reads CT binary logs: a header (1024 or 4096 bytes, of which the first 1024 are read)
// and fixed-size QSO records, plus the companion file of QTC records. Values are taken
// as stored (through the lines' property writes); codes that the tables do not define
// are reported per record and leave the line's default.
#include "import/ctimport.h"

#include <array>
#include <cstring>

#include "base/frontend.h"
#include "base/language.h"
#include "base/lsnumbers.h"
#include "base/options.h"
#include "import/fixedfield.h"
#include "logfile/qzf.h"

namespace qz {

namespace {

// clang-format off
constexpr std::array<TContest, 28> kContests = {
    cWWDXcw, cWWDX160cw, cWPXcw, cARRLcw, cARRLcw, cAR10, cAR160, cNoContest, cNoContest, cNoContest,
    cWAEcw, cDXPDN, cNoContest, cIARU, cAADXcw, cNoContest, cWAEcw, cAADXcw, cNoContest, cNoContest,
    cIOTA, cNoContest, cNoContest, cNoContest, cVKZLcw, cPACCpa, cNoContest, cNoContest};
constexpr std::array<TBand, 24> kBands = {
    b160m, b160m, b80m, b40m, b20m, b15m, b10m, b6m, b2m, b1_25m, b70cm, b35cm,
    b23cm, b13cm, b9cm, b6cm, b3cm, b12mm, b6mm, b4mm, b2_5mm, b2mm, b1mm, bSAT};
constexpr std::array<TBand, 14> kDXPNBands = {
    bSAT, b160m, b80m, b40m, b30m, b20m, b17m, b15m, b12m, b10m, b6m, b2m, b70cm, bSAT};
// clang-format on

std::int16_t I16At(std::string_view b, std::size_t offset) {
    std::int16_t v;
    std::memcpy(&v, b.data() + offset, 2);
    return v;
}

std::int32_t I32At(std::string_view b, std::size_t offset) {
    std::int32_t v;
    std::memcpy(&v, b.data() + offset, 4);
    return v;
}

std::uint8_t U8At(std::string_view b, std::size_t offset) { return static_cast<std::uint8_t>(b[offset]); }

std::string FieldAt(std::string_view b, std::size_t offset, std::size_t size, std::size_t maxChars) {
    return FixedFieldText(b.substr(offset, size), maxChars);
}

// The RST a contest without a received RST in the file gets: 599 on CW and RTTY, 59 on
// SSB; "" (keep the line's value) in other modes.
std::string ModeRST(TMode mode) {
    if (mode == mCW || mode == mRTTY) return "599";
    if (mode == mSSB) return "59";
    return {};
}

}  // namespace

TContest CTContestOf(std::uint8_t code) { return code < kContests.size() ? kContests[code] : cNoContest; }

bool CTBandOf(std::uint8_t contestCode, std::uint8_t code, TBand& band) {
    if (contestCode == ct::kAR10) {
        band = b10m;
        return true;
    }
    if (contestCode == ct::kDXPN) {
        if (code >= kDXPNBands.size()) return false;
        band = kDXPNBands[code];
        return true;
    }
    std::size_t index = code;
    if (contestCode == ct::kFQPfl || contestCode == ct::kFQPnfl) index += 2;
    if (contestCode == ct::kVHF || contestCode == ct::kVHFS) index += 6;
    if (index >= kBands.size()) return false;
    band = kBands[index];
    return true;
}

TDateTime CTTimeOf(std::int32_t seconds, bool shifted) {
    return UnixToDateTime(static_cast<std::int64_t>(seconds) - (shifted ? ct::kOldTimeShift : 0));
}

bool CTSubVersionAtLeast34(std::string_view versionText) {
    const std::string_view sub = versionText.size() > 5 ? versionText.substr(5, 2) : std::string_view();
    return sub >= std::string_view("34");
}

TFileType TCTConvert::CheckFormat() { return VersionTest(false); }

TFileType TCTConvert::VersionTest(bool showMessageBoxes) {
    CTSubVersionGreaterThan934 = false;
    FHeader.clear();
    FDamaged.clear();
    const auto fail = [&](const std::string& text) {
        FLastError = text;
        if (showMessageBoxes) ShowErrorMessage(text);
        return ftUnknown;
    };
    const std::string tooShort = FFileName + " " + LS(lsFileTooShort);
    std::uint64_t size = 0;
    std::string first;
    if (!Peek(ct::kHeaderRecordSize, first, size) || size <= ct::kHeaderRecordSize ||
        first.size() < ct::kHeaderRecordSize)
        return fail(tooShort);
    FHeader = first;
    const std::string_view field = std::string_view(FHeader).substr(ct::kVersionOffset, ct::kVersionSize);
    const std::string_view text = field.substr(0, field.find('\0'));
    const std::string_view mark = text.substr(0, 5);
    TFileType type = ftUnknown;
    if (mark == "CT 10") type = ftCT10;
    else if (mark == "CT 8.") type = ftCT8;
    else if (mark == "CT 9.") type = ftCT9;
    if (type == ftUnknown) return fail(FFileName + ": " + LS(lsUnknownCTVersion) + " " + std::string(mark));
    if (type == ftCT9) CTSubVersionGreaterThan934 = CTSubVersionAtLeast34(text);
    const std::size_t headerSize = type == ftCT8 ? ct::kHeaderSizeCT8 : ct::kHeaderSizeCT9;
    if (size <= headerSize) {
        FDamaged = FFileName + ": a CT log (" + std::string(mark) +
                   ") that ends inside its header or right after it (" + std::to_string(size) + " of " +
                   std::to_string(headerSize) + " bytes): no line to read";
        return fail(tooShort);
    }
    return type;
}

TFileHeader TCTConvert::ReadFileHeader() const {
    const std::string_view h = FHeader;
    TFileHeader header = NewFileHeader();
    header.fhUser_OwnCall = FieldAt(h, ct::kCallOffset, 32, 31).substr(0, kCallStringLen);
    if (header.fhUser_OwnCall.empty()) header.fhUser_OwnCall = CallFromFolderName(FFileName).substr(0, kCallStringLen);
    header.fhUser_Name = FieldAt(h, ct::kNameOffset, 32, 31);
    header.fhUser_Address = FieldAt(h, ct::kAddressOffset, 64, 63) + ", " + FieldAt(h, ct::kTownOffset, 32, 31) + ", " +
                            FieldAt(h, ct::kStateOffset, 8, 7) + "-" + FieldAt(h, ct::kZipOffset, 16, 15);
    header.fhUser_Club = FieldAt(h, ct::kClubOffset, 64, 63);
    const TContest contest = CTContestOf(U8At(h, ct::kContestOffset));
    header.fhContest_Contest = contest != cNoContest ? contest : DefaultContest;
    // Values beyond the categories the program knows keep the new header's default.
    const std::uint8_t category = U8At(h, ct::kCategoryOffset);
    if (category < kNoOfParticipationCategories)
        header.fhContest_ParticipationCategory = static_cast<TParticipationCategory>(category);
    const std::uint8_t power = U8At(h, ct::kPowerCategoryOffset);
    if (power < kNoOfPowerCategories) header.fhUser_PowerCategory = static_cast<TPowerCategory>(power);
    DeriveCategoriesFromOldFields(header);
    return header;
}

bool TCTConvert::BuildLog(bool showMessageBoxes) {
    FContestLog.reset();
    const TFileType type = VersionTest(showMessageBoxes);
    if (type == ftUnknown) return false;
    if (!Load()) return false;
    FContestCode = U8At(FHeader, ct::kContestOffset);
    TFileHeader header = ReadFileHeader();
    if (header.fhContest_Contest == cNoContest && FixContest == cNoContest && !(showMessageBoxes && EditHeader)) {
        FLastError = FFileName + ": the log names no contest the program knows";
        FContestUnknown = true;
        return false;
    }
    if (!CreateLog(header, showMessageBoxes)) return false;
    if (!ReadRecords(type)) return false;
    if (Options.Import_BIN_Look4QTCFile.oValue)
        ReadQTCFile(type == ftCT8 || (type == ftCT9 && !CTSubVersionGreaterThan934));
    return true;
}

bool TCTConvert::ReadRecords(TFileType type) {
    const std::string_view bytes = Bytes();
    const std::size_t headerSize = type == ftCT8 ? ct::kHeaderSizeCT8 : ct::kHeaderSizeCT9;
    const std::size_t step = ct::kRecordSize + (type == ftCT10 ? ct::kRecordTrailerCT10 : 0);
    const bool shifted = type == ftCT8 || (type == ftCT9 && !CTSubVersionGreaterThan934);
    if (bytes.size() <= headerSize) return RecordError(1, LS(lsFileTooShort));
    ProgressStart(static_cast<int>((bytes.size() - headerSize) / ct::kRecordSize));
    std::size_t number = 0;
    for (std::size_t pos = headerSize; pos < bytes.size(); pos += step) {
        ++number;
        // The trailer of a CT10 record holds nothing that is read: a file cut inside it
        // loses no data.
        if (bytes.size() - pos < ct::kRecordSize) {
            DropCutRecord(FFileName, number, bytes.size() - pos, step);
            break;
        }
        if (bytes.size() - pos < step)
            RecordNote(FFileName, number, "the file ends inside the record's trailer, which holds nothing read");
        ReadRecord(bytes.substr(pos, ct::kRecordSize), number, shifted);
        ProgressStep(1);
    }
    ProgressEnd();
    return true;
}

void TCTConvert::ReadRecord(std::string_view r, std::size_t number, bool shifted) {
    TQSO& q = AppendLine(true);
    q.SetCall(FieldAt(r, 0, 16, 15));
    TBand band;
    const std::uint8_t bandCode = U8At(r, 24);
    if (CTBandOf(FContestCode, bandCode, band)) q.SetBand(band);
    else RecordNote(FFileName, number, "unknown band code " + std::to_string(bandCode) + "; the band was not set");
    const std::uint8_t modeCode = U8At(r, 25);
    if (modeCode >= 1 && modeCode <= mATV + 1) q.SetMode(static_cast<TMode>(modeCode - 1));
    else RecordNote(FFileName, number, "unknown mode code " + std::to_string(modeCode) + "; the mode was not set");
    q.SetDateTime(CTTimeOf(I32At(r, 42), shifted));
    const std::string sent = ModeRST(q.Mode());
    if (!sent.empty()) q.SetSentRST(sent);
    SetReceived(q, r);
    q.SetQSOFlags({});
}

void TCTConvert::SetReceived(TQSO& q, std::string_view r) {
    const int count = FContestLog->NoOfRcvdNumbers();
    if (count >= 1) {
        std::string exchange = FieldAt(r, 16, 8, 7);
        if (Options.Import_ASCII_AcceptLettersAndFigsOnly.oValue) exchange = LettersAndFigsOnly(exchange);
        q.SetRcvdNumbers(0, exchange);
    }
    const std::string number28 = std::to_string(I16At(r, 28));
    const auto rstByMode = [&] {
        const std::string rst = ModeRST(q.Mode());
        if (!rst.empty()) q.SetRcvdRST(rst);
    };
    if (count < 2) {
        if (FContestCode == ct::kFD) rstByMode();
        else q.SetRcvdRST(number28);
    } else if (FContestCode == ct::kCQP) {
        q.SetRcvdNumbers(1, q.RcvdNumbers(0));
        q.SetRcvdNumbers(0, number28);
        rstByMode();
    } else if (FContestCode == ct::kIOTA) {
        q.SetRcvdNumbers(1, q.RcvdNumbers(0));
        q.SetRcvdNumbers(0, std::to_string(I16At(r, 30)));
        q.SetRcvdRST(number28);
    } else {
        q.SetRcvdRST(number28);
    }
}

void TCTConvert::ReadQTCFile(bool shifted) {
    std::string bytes, name;
    if (!LoadCompanion(bytes, name)) return;
    const std::size_t records = bytes.size() / ct::kQTCRecordSize;
    const bool european = FContestLog->OwnCall().Continent() == coEU;
    ProgressStart(static_cast<int>(records));
    std::vector<std::unique_ptr<TQSO>> rows;
    for (std::size_t i = 0; i < records; ++i) {
        ProgressStep(1);
        const std::string_view r = std::string_view(bytes).substr(i * ct::kQTCRecordSize, ct::kQTCRecordSize);
        const std::int32_t seconds = I32At(r, 24);
        if (seconds == 0) continue;
        auto q = FContestLog->NewQSO(true);
        SQSOFlags flags = q->QSOFlags();
        flags.Include(european ? qfRcvdQTC : qfSentQTC);
        q->SetQSOFlags(flags);
        q->SetCall(FieldAt(r, 0, 24, 23));
        q->SetDateTime(CTTimeOf(seconds, shifted));
        TBand band;
        const std::uint8_t bandCode = U8At(r, 28);
        if (CTBandOf(FContestCode, bandCode, band)) q->SetBand(band);
        else RecordNote(name, i + 1, "unknown band code " + std::to_string(bandCode) + "; the band was not set");
        q->SetRcvdNumbers(1, FieldAt(r, 32, 8, 7));
        q->SetRcvdNumbers(2, FieldAt(r, 40, 8, 7));
        q->SetRcvdNumbers(3, FieldAt(r, 48, 11, 10));
        q->SetRcvdNumbers(4, FieldAt(r, 59, 5, 4));
        rows.push_back(std::move(q));
    }
    ProgressEnd();
    if (bytes.size() % ct::kQTCRecordSize != 0)
        DropCutRecord(name, records + 1, bytes.size() % ct::kQTCRecordSize, ct::kQTCRecordSize);
    InsertRowsAtTime(std::move(rows));
}

}  // namespace qz
