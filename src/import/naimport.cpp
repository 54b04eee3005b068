// Reads NA logs. The header names a template file, looked up in the program's data
// folder (never the working folder, and only as a plain file name); its byte 71 picks
// the column layout that splits each record's exchange text.
#include "import/naimport.h"

#include <cstring>
#include <filesystem>

#include "base/fileio.h"
#include "base/frontend.h"
#include "base/installfiles.h"
#include "base/language.h"
#include "base/lsnumbers.h"
#include "base/text.h"
#include "import/fixedfield.h"
#include "logfile/qzf.h"

namespace qz {

namespace fs = std::filesystem;

namespace {

// clang-format off
constexpr TNATemplate kTemplates[na::kNoOfTemplates] = {
    {"call/nr/text/qth",    {},        {},        {{{13, 15}, {16, 23}, {24, 27}, {}}}},
    {"call/text/qth",       {},        {},        {{{13, 20}, {23, 27}, {}, {}}}},
    {"call/rst/qth",        {},        {13, 15},  {{{23, 27}, {}, {}, {}}}},
    {"nr/prec/call/ck/qth", {},        {},        {{{13, 15}, {17, 17}, {22, 22}, {23, 27}}}},
    {"call/category/qth",   {},        {},        {{{13, 15}, {23, 27}, {}, {}}}},
    {"call/rst/text",       {},        {13, 15},  {{{23, 27}, {}, {}, {}}}},
    {"call/qth",            {},        {},        {{{23, 27}, {}, {}, {}}}},
    {"call/rst/nr",         {},        {13, 15},  {{{16, 19}, {}, {}, {}}}},
    {"call/rst/nr/qth",     {},        {13, 15},  {{{16, 19}, {23, 27}, {}, {}}}},
    {"call/rst/rst/text",   {13, 15},  {16, 18},  {{{19, 27}, {}, {}, {}}}},
    {"call/rst/rst/qth",    {13, 15},  {16, 18},  {{{19, 27}, {}, {}, {}}}},
    {"call/nr/qth",         {},        {},        {{{13, 16}, {23, 27}, {}, {}}}},
    {"call/rst/rst/nr/qth", {13, 15},  {16, 18},  {{{19, 22}, {23, 27}, {}, {}}}},
};
constexpr TBand kBands[18] = {
    b2m, b160m, b80m, b2m, b40m, b2m, b30m, b2m, b20m, b2m, b2m, b17m, b15m, b2m, b2m, b12m, b2m, b10m};
// clang-format on

// A field of the exchange text without blanks, tabs and zero bytes; case kept.
std::string Columns(std::string_view text, TNAColumns c) {
    if (c.from <= 0 || c.to < c.from || static_cast<std::size_t>(c.from) > text.size()) return {};
    return WithoutBlanks(
        text.substr(static_cast<std::size_t>(c.from - 1), static_cast<std::size_t>(c.to - c.from + 1)));
}

bool IsPlainFileName(std::string_view name) {
    if (name.empty()) return false;
    for (char c : name)
        if (!(IsLetter(c) || IsDigit(c) || c == '_' || c == '-')) return false;
    return true;
}

}  // namespace

const TNATemplate* NATemplate(int number) {
    return number >= 1 && number <= na::kNoOfTemplates ? &kTemplates[number - 1] : nullptr;
}

std::array<std::string_view, na::kNoOfTemplates> NATemplateNames() {
    std::array<std::string_view, na::kNoOfTemplates> names;
    for (int i = 0; i < na::kNoOfTemplates; ++i) names[static_cast<std::size_t>(i)] = kTemplates[i].name;
    return names;
}

TDateTime NATimeOf(std::uint32_t seconds, bool version9) {
    const TDateTime t = IncMonth(UnixToDateTime(seconds), 120);
    return version9 ? t : t - 1.0;
}

TBand NABandOf(std::uint32_t n) { return n < std::size(kBands) ? kBands[n] : b2m; }

TFileType TNAConvert::CheckFormat() { return VersionTest(false); }

TFileType TNAConvert::VersionTest(bool showMessageBoxes) {
    std::uint64_t size = 0;
    std::string first;
    FDamaged.clear();
    // Only files of the NA extension get here: a length that does not fit is an NA log
    // cut short (or none at all), and is said so rather than guessed at as text.
    if (!Peek(na::kHeaderSize, first, size) || size <= na::kHeaderSize || first.size() < na::kHeaderSize) {
        FLastError = FFileName + " " + LS(lsFileTooShort);
        FDamaged = FFileName + ": " + std::to_string(size) + " bytes, no more than the " +
                   std::to_string(na::kHeaderSize) + "-byte header of an NA log: an NA log cut short, or no NA log";
        if (showMessageBoxes) ShowErrorMessage(FLastError);
        return ftUnknown;
    }
    FHeader = first;
    if (size % na::kRecordSize == 0) return ftNA10;
    const std::string question = FFileName + " " + LS(lsNAUnusualLength);
    if (showMessageBoxes && AskOkCancel(question) == TMsgAnswer::Ok) return ftNA10;
    FLastError = FFileName + ": the length (" + std::to_string(size) +
                 " bytes) is no whole number of 40-byte records: no NA log, or a damaged one";
    FDamaged = FLastError;
    return ftUnknown;
}

std::string TNAConvert::TemplateFileName() const {
    if (FHeader.size() < na::kHeaderSize) return {};
    const std::string name =
        FixedFieldText(std::string_view(FHeader).substr(na::kTemplateNameOffset, na::kTemplateNameSize), 7);
    if (!IsPlainFileName(name)) return {};
    const bool version9 = static_cast<std::uint8_t>(FHeader[0]) / 10 == 9;
    return name + (version9 ? ".TMP" : ".CRT");
}

bool TNAConvert::ReadTemplateNumber(const std::string& file, int& number, bool showMessageBoxes) {
    std::string bytes;
    if (!ReadWholeFile(file, bytes, &FLastError, 1024 * 1024)) return false;
    if (bytes.size() <= na::kTemplateNumberOffset) {
        FLastError = file + " " + LS(lsFileTooShort);
        if (showMessageBoxes) ShowErrorMessage(LS(lsFileTooShort));
        return false;
    }
    number = static_cast<std::uint8_t>(bytes[na::kTemplateNumberOffset]);
    return true;
}

bool TNAConvert::FindTemplate(bool showMessageBoxes, int& number) {
    const std::string name = TemplateFileName();
    const std::string folder = TemplateFolder.empty() ? DataFolder() : TemplateFolder;
    if (!name.empty()) {
        const std::string path = FindFileIgnoringCase((fs::path(folder) / name).string());
        std::error_code ec;
        if (fs::is_regular_file(path, ec)) return ReadTemplateNumber(path, number, showMessageBoxes);
    }
    const std::string shown = name.empty() ? std::string("(none)") : name;
    if (showMessageBoxes && ChooseTemplate && !ChooseTemplate(shown, TemplateNumber, TemplateFile)) {
        FCancelled = true;
        return false;
    }
    if (TemplateNumber == -1) return ReadTemplateNumber(TemplateFile, number, showMessageBoxes);
    number = TemplateNumber;
    if (!NATemplate(number))
        AddMessage(FFileName + ": " + LS(lsNATemplateFile) + " " + shown + " (" + folder +
                   ") was not found; only time, band, mode and call are read");
    return true;
}

bool TNAConvert::BuildLog(bool showMessageBoxes) {
    FContestLog.reset();
    if (VersionTest(showMessageBoxes) == ftUnknown) return false;
    if (!Load()) return false;
    const std::string_view bytes = Bytes();
    if (bytes.size() <= na::kHeaderSize) {
        FLastError = FFileName + " " + LS(lsFileTooShort);
        return false;
    }
    FHeader.assign(bytes.substr(0, na::kHeaderSize));
    const bool version9 = static_cast<std::uint8_t>(FHeader[0]) / 10 == 9;
    TFileHeader header = NewFileHeader();
    header.fhUser_OwnCall =
        FixedFieldText(std::string_view(FHeader).substr(na::kCallOffset, na::kCallSize), 11).substr(0, kCallStringLen);
    if (header.fhUser_OwnCall.empty()) header.fhUser_OwnCall = CallFromFolderName(FFileName).substr(0, kCallStringLen);
    header.fhContest_Contest = DefaultContest;
    int templateNumber = 0;
    if (!FindTemplate(showMessageBoxes, templateNumber)) return false;
    if (header.fhContest_Contest == cNoContest && FixContest == cNoContest && !(showMessageBoxes && EditHeader)) {
        FLastError = FFileName + ": an NA log names no contest";
        FContestUnknown = true;
        return false;
    }
    if (!CreateLog(header, showMessageBoxes)) return false;
    const TNATemplate* layout = NATemplate(templateNumber);
    std::size_t number = 0;
    for (std::size_t pos = na::kHeaderSize; pos < bytes.size(); pos += na::kRecordSize) {
        ++number;
        if (bytes.size() - pos < na::kRecordSize) {
            DropCutRecord(FFileName, number, bytes.size() - pos, na::kRecordSize);
            break;
        }
        ReadRecord(bytes.substr(pos, na::kRecordSize), number, layout, version9);
    }
    return true;
}

void TNAConvert::ReadRecord(std::string_view r, std::size_t number, const TNATemplate* layout, bool version9) {
    std::uint32_t seconds, word;
    std::memcpy(&seconds, r.data(), 4);
    std::memcpy(&word, r.data() + 4, 4);
    const std::string_view text = r.substr(na::kTextOffset, na::kTextSize);
    TQSO& q = AppendLine(true);
    q.SetDateTime(NATimeOf(seconds, version9));
    q.SetBand(NABandOf(word >> 16));
    q.SetMode((word & 1u) ? mSSB : mCW);
    q.SetCall(Columns(text, {1, 12}));
    if (!layout) return;
    const auto rst = [&](TNAColumns c, bool sent) {
        if (c.from == 0) return;
        const std::string value = Columns(text, c);
        if (!(sent ? q.SetSentRST(value) : q.SetRcvdRST(value)))
            RecordNote(FFileName, number,
                       std::string(sent ? "sent" : "received") + " RST \"" + value +
                           "\" is no number; the line keeps its default");
    };
    rst(layout->sentRST, true);
    rst(layout->rcvdRST, false);
    const int count = FContestLog->NoOfRcvdNumbers();
    for (int i = 0; i < 4 && i < count; ++i)
        if (layout->numbers[static_cast<std::size_t>(i)].from > 0)
            q.SetRcvdNumbers(i, Columns(text, layout->numbers[static_cast<std::size_t>(i)]));
}

}  // namespace qz
