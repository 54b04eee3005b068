// The shared steps of the converters and the name helpers they use.
#include "import/convert.h"

#include <filesystem>

#include "base/frontend.h"
#include "base/language.h"
#include "base/lsnumbers.h"
#include "base/options.h"
#include "base/text.h"

namespace qz {

namespace fs = std::filesystem;

TStoreTarget TStoreTarget::FromOptions(const TOptions& options) {
    TStoreTarget t;
    t.SaveAsCallsign = options.Import_SaveAsCallsign.oValue;
    t.IgnoreDefaultPaths = options.Import_IgnoreDefaultPaths.oValue;
    t.LogFolder = options.Path_QZ_Logs.oValue;
    return t;
}

TConvert::TConvert(std::string fileName, std::vector<std::string>* messages)
    : StoreTarget(TStoreTarget::FromOptions(Options)),
      LogMaker(MakeLogWithFactory),
      FFileName(std::move(fileName)),
      FMessages(messages) {
    std::error_code ec;
    FileNotFound = !fs::is_regular_file(FFileName, ec);
}

TConvert::~TConvert() = default;

std::string TConvert::ConvertLog(bool showMessageBoxes) {
    std::string written;
    if (BuildLog(showMessageBoxes)) written = StoreConvertedLog();
    FContestLog.reset();
    ReleaseSource();
    return written;
}

bool TConvert::BuildLog(bool) { return false; }

TFileType TConvert::CheckFormat() { return ftUnknown; }

void TConvert::AddMessage(const std::string& text) const {
    if (FMessages) FMessages->push_back(text);
}

void TConvert::DropLine(const std::string& message) {
    // A file of nothing but damaged lines must not flood the message list: past the
    // listed ones only the count grows.
    if (FDropped.listed.size() < TDroppedLines::kListed) AddMessage(message);
    FDropped.Add(message);
}

bool TConvert::CreateLog(TFileHeader header, bool showMessageBoxes) {
    FContestLog.reset();
    FDropped = TDroppedLines{};
    FLastError.clear();
    FCancelled = false;
    FContestUnknown = false;
    if (FixContest != cNoContest) header.fhContest_Contest = FixContest;
    if (showMessageBoxes && EditHeader && !EditHeader(header)) {
        FCancelled = true;
        return false;
    }
    FContestLog = LogMaker ? LogMaker(header, Cty) : nullptr;
    if (!FContestLog) {
        FLastError = FFileName + ": " + LS(lsLogCreationFailed);
        if (showMessageBoxes) ShowErrorMessage(LS(lsLogCreationFailed));
        return false;
    }
    FContestLog->SetMessageLines(FMessages);
    FContestLog->SetShowMessageBoxes(showMessageBoxes);
    return true;
}

std::unique_ptr<TContestLog> TConvert::ReadLog(bool showMessageBoxes) {
    FHandedOver.reset();
    FInMemory = true;
    const std::string result = ConvertLog(showMessageBoxes);
    FInMemory = false;
    if (result.empty()) FHandedOver.reset();
    return std::move(FHandedOver);
}

std::string TConvert::StoreConvertedLog() {
    FLastError.clear();
    FCancelled = false;
    FContestUnknown = false;
    if (!FContestLog) return {};
    if (FInMemory) {
        FHandedOver = std::move(FContestLog);
        return FFileName.empty() ? std::string("-") : FFileName;
    }
    fs::path base(FFileName);
    if (StoreTarget.SaveAsCallsign) {
        std::string call = FContestLog->FileHeader().fhUser_OwnCall;
        for (char& c : call)
            if (c == '/') c = '_';
        base = base.parent_path() / call;
    }
    fs::path name = base;
    if (!StoreTarget.IgnoreDefaultPaths) {
        std::error_code ec;
        if (!fs::is_directory(StoreTarget.LogFolder, ec)) {
            FLastError = LS(lsLogFolderMissing) + " " + StoreTarget.LogFolder;
            ShowErrorMessage(FLastError);
            return {};
        }
        name = fs::path(StoreTarget.LogFolder) / base.filename();
    }
    TQZF qzf;
    std::string written = qzf.StoreLog(name.string(), *FContestLog, Ask4Overwrite);
    if (written.empty()) {
        FLastError = qzf.LastError();
        FCancelled = qzf.Cancelled();
    }
    return written;
}

TContest ContestFromName(std::string_view name) {
    if (name.empty()) return cNoContest;
    const std::string text = UpperCase(name);
    for (int c = cNoContest; c <= cEndOfContestlist; ++c)
        if (UpperCase(CabrilloContestNames[c]).find(text) != std::string::npos) return static_cast<TContest>(c);
    for (int c = cNoContest; c <= cEndOfContestlist; ++c)
        if (text.find(UpperCase(CabrilloContestNames[c])) != std::string::npos) return static_cast<TContest>(c);
    return cNoContest;
}

namespace {

// Shaped like a call: a prefix of one to three letters and digits ending with a letter,
// one to four digits and one to four letters (DL1ABC, 9A1A, 2E0ABC, 3DA0XY, DR2006Q).
bool IsCallShaped(std::string_view s) {
    std::size_t i = s.size();
    while (i > 0 && IsLetter(s[i - 1])) --i;
    const std::size_t suffix = s.size() - i;
    const std::size_t digitsEnd = i;
    while (i > 0 && IsDigit(s[i - 1])) --i;
    const std::size_t digits = digitsEnd - i;
    if (suffix < 1 || suffix > 4 || digits < 1 || digits > 4 || i < 1 || i > 3) return false;
    for (std::size_t k = 0; k < i; ++k)
        if (!IsLetter(s[k]) && !IsDigit(s[k])) return false;
    return true;
}

}  // namespace

std::string CallFromFolderName(const std::string& fileName) {
    // The folder is the same whether the name came as x.log or as ../DL1ABC_P/x.log.
    std::error_code ec;
    fs::path absolute = fs::absolute(fs::path(fileName), ec);
    if (ec) absolute = fs::path(fileName);
    fs::path parent = absolute.lexically_normal().parent_path();
    std::string folder = parent.filename().string();
    if (folder.empty()) return {};
    for (char& c : folder) {
        if (c == '_') c = '/';
        else if (!IsLetter(c) && !IsDigit(c)) return {};
    }
    // A folder such as "logs", "Downloads" or "2024" names no station: one of the parts
    // between "/" must be the call itself.
    for (const std::string& part : SplitString(folder, '/'))
        if (IsCallShaped(part)) return folder;
    return {};
}

}  // namespace qz
