#include "base/language.h"
#include "base/lsnumbers.h"

#include <atomic>
#include <cstring>
#include <fstream>
#include <mutex>
#include <sstream>

#include "base/fileio.h"
#include "base/installfiles.h"
#include "base/settingsstore.h"
#include "base/text.h"
#include "base/version.h"

namespace qz {

namespace {

std::mutex languageMutex;
std::shared_ptr<const TLanguageStrings>& CurrentLanguage() {
    static std::shared_ptr<const TLanguageStrings> current = std::make_shared<TLanguageStrings>();
    return current;
}

std::int32_t ReadLE32(const unsigned char* p) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
                                     static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24);
}

void WriteLE32(std::string& out, std::size_t at, std::int32_t v) {
    auto u = static_cast<std::uint32_t>(v);
    for (int i = 0; i < 4; ++i) out[at + static_cast<std::size_t>(i)] = static_cast<char>((u >> (8 * i)) & 0xFF);
}

}  // namespace

TLanguageStrings::TLanguageStrings(TLanguage language) { *this = FromFile(LanguageFilePath(language)); }

TLanguageStrings TLanguageStrings::FromFile(const std::string& path, TLanguageLoadResult* result) {
    std::string data;
    if (!FileExists(path)) {
        if (result) *result = TLanguageLoadResult::Missing;
        return {};
    }
    if (!ReadWholeFile(path, data, nullptr)) {
        if (result) *result = TLanguageLoadResult::Unreadable;
        return {};
    }
    return FromEncoded(data, result);
}

TLanguageStrings TLanguageStrings::FromEncoded(std::string_view bytes, TLanguageLoadResult* result) {
    if (bytes.size() < kLanguageHeaderSize) {
        if (result) *result = TLanguageLoadResult::Unreadable;
        return {};
    }
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    TNumVersion v{ReadLE32(p), ReadLE32(p + 4), ReadLE32(p + 8), ReadLE32(p + 12)};
    if (!(v == ProgramVersion())) {
        if (result) *result = TLanguageLoadResult::WrongVersion;
        return {};
    }
    std::string text(bytes.substr(kLanguageHeaderSize));
    for (char& c : text) c = static_cast<char>(static_cast<unsigned char>(c) - 1);
    TLanguageStrings ls = FromText(text);
    if (result) *result = TLanguageLoadResult::Ok;
    return ls;
}

TLanguageStrings TLanguageStrings::FromText(std::string_view text) {
    TLanguageStrings ls;
    ls.FStringList = SplitLines(text);
    ls.FFileLoadDone = true;
    return ls;
}

std::string TLanguageStrings::GetString(int index) const {
    if (index < 0 || index >= Count()) return {};
    return FStringList[static_cast<std::size_t>(index)];
}

std::string TLanguageStrings::GetCaption(int index) const {
    std::string s = GetString(index);
    auto bar = s.find('|');
    return bar == std::string::npos ? s : s.substr(0, bar);
}

std::string TLanguageStrings::GetHint(int index) const {
    std::string s = GetString(index);
    auto bar = s.find('|');
    return bar == std::string::npos ? std::string() : s.substr(bar + 1);
}

const TLanguageStrings& LanguageStrings() {
    std::lock_guard<std::mutex> lock(languageMutex);
    return *CurrentLanguage();
}

void SetLanguageStrings(std::shared_ptr<const TLanguageStrings> strings) {
    std::lock_guard<std::mutex> lock(languageMutex);
    CurrentLanguage() = strings ? std::move(strings) : std::make_shared<TLanguageStrings>();
}

std::string LS(int index) { return LanguageStrings().GetString(index); }

std::string LanguageFilePath(TLanguage language) {
    return FindFileIgnoringCase(InstalledFilePath(InstalledFile(language == lGerman ? "Ger.qz" : "Eng.qz")));
}

std::string LanguageFileErrorMessage(const std::string& path, TLanguageLoadResult result) {
    switch (result) {
        case TLanguageLoadResult::WrongVersion:
            return "The language file " + path +
                   " belongs to another program version (needed: " + ProgramVersionText() + ").\nDie Sprachdatei " +
                   path + " geh\xF6rt zu einer anderen Programmversion (ben\xF6tigt: " + ProgramVersionText() + ").";
        case TLanguageLoadResult::Unreadable:
            return "The language file " + path + " cannot be read.\nDie Sprachdatei " + path +
                   " kann nicht gelesen werden.";
        default:
            return "The language file " + path + " was not found.\nDie Sprachdatei " + path + " wurde nicht gefunden.";
    }
}

std::string EncodeLanguageText(std::string_view sourceText) {
    std::string out(kLanguageHeaderSize, '\0');
    TNumVersion v = ProgramVersion();
    WriteLE32(out, 0, v.MainVersion);
    WriteLE32(out, 4, v.SubVersion);
    WriteLE32(out, 8, v.Release);
    WriteLE32(out, 12, v.Compilation);
    out.reserve(kLanguageHeaderSize + sourceText.size());
    for (char c : sourceText) out.push_back(static_cast<char>(static_cast<unsigned char>(c) + 1));
    return out;
}

namespace {

// The source text of a language file, refused when it lacks strings the program uses.
bool ReadLanguageSource(const std::string& sourcePath, std::string& text, std::string* error) {
    if (!ReadWholeFile(sourcePath, text, error)) return false;
    const int count = TLanguageStrings::FromText(text).Count();
    if (count >= kLanguageStringsUsed) return true;
    if (error)
        *error = sourcePath + ": holds " + std::to_string(count) + " strings, the program uses " +
                 std::to_string(kLanguageStringsUsed) + "; the language file was not changed";
    return false;
}

}  // namespace

bool WriteLanguageFile(const std::string& sourcePath, const std::string& targetPath, std::string* error) {
    std::string text;
    if (!ReadLanguageSource(sourcePath, text, error)) return false;
    return WriteFileAtomically(targetPath, EncodeLanguageText(text), error, TWriteOptions{.createFolders = true});
}

bool WriteLanguageFiles(const std::string& sourceFolder, std::string* error) {
    // Both sources are checked before either file is written, so that a bad one leaves
    // the installed pair as it was.
    std::string texts[2];
    bool present[2] = {false, false};
    for (TLanguage lang : {lEnglish, lGerman}) {
        const std::string src = sourceFolder + "/" + std::string(LanguageFileNames[lang]);
        present[lang] = FileExists(src);
        if (present[lang] && !ReadLanguageSource(src, texts[lang], error)) return false;
    }
    for (TLanguage lang : {lEnglish, lGerman}) {
        if (!present[lang]) continue;
        const std::string dst = InstalledFilePath(InstalledFile(lang == lGerman ? "Ger.qz" : "Eng.qz"));
        if (!ReplaceDataFile(dst, EncodeLanguageText(texts[lang]), error)) return false;
    }
    return true;
}

std::string ShortCutText(int key, bool shift, bool ctrl, bool alt) {
    std::string name;
    if (key == 8) name = LS(lsKeyBackspace);
    else if (key == 9) name = LS(lsKeyTab);
    else if (key == 13) name = LS(lsKeyEnter);
    else if (key == 27) name = LS(lsKeyEsc);
    else if (key >= 32 && key <= 40) name = LS(lsKeySpace + (key - 32));
    else if (key == 45) name = LS(lsKeyInsert);
    else if (key == 46) name = LS(lsKeyDelete);
    else if ((key >= 48 && key <= 57) || (key >= 65 && key <= 90)) name = std::string(1, static_cast<char>(key));
    else if (key >= 96 && key <= 105) name = std::string(1, static_cast<char>('0' + key - 96));
    else if (key >= 112 && key <= 135) name = "F" + std::to_string(key - 111);
    if (name.empty()) return {};
    std::string text;
    if (shift) text += LS(lsShiftModifier);
    if (ctrl) text += LS(lsCtrlModifier);
    if (alt) text += LS(lsAltModifier);
    return text + name;
}

}  // namespace qz
