// Language strings: every text shown to the user is line N of the loaded language
// file. The file is the plain-text source (Windows-1252, CR LF) with every byte
// increased by 1, behind a 4096-byte header that holds the program version.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace qz {

enum TLanguage : std::uint8_t { lEnglish, lGerman };
// Source file names of the languages, in TLanguage order.
inline constexpr std::array<std::string_view, 2> LanguageFileNames = {"eng.lsl", "ger.lsl"};

inline constexpr std::size_t kLanguageHeaderSize = 4096;

enum class TLanguageLoadResult { Ok, Missing, WrongVersion, Unreadable };

class TLanguageStrings {
public:
    TLanguageStrings() = default;
    // Reads the language file of `language` from its installed location.
    explicit TLanguageStrings(TLanguage language);

    // Reads an encoded language file; `FileLoadDone` tells whether it worked.
    static TLanguageStrings FromFile(const std::string& path, TLanguageLoadResult* result = nullptr);
    // Builds the table from encoded bytes (header plus shifted text).
    static TLanguageStrings FromEncoded(std::string_view bytes, TLanguageLoadResult* result = nullptr);
    // Builds the table from plain source text (tests, the encoder).
    static TLanguageStrings FromText(std::string_view text);

    bool FileLoadDone() const { return FFileLoadDone; }
    int Count() const { return static_cast<int>(FStringList.size()); }

    // The whole line; "" for -1 or a number outside the table.
    std::string GetString(int index) const;
    // The part before the first "|" (the whole line when there is none).
    std::string GetCaption(int index) const;
    // The part after the first "|" ("" when there is none).
    std::string GetHint(int index) const;

private:
    std::vector<std::string> FStringList;
    bool FFileLoadDone = false;
};

// The language table in use. It is replaced only while no other thread reads it
// (start-up, the user's language switch).
const TLanguageStrings& LanguageStrings();
void SetLanguageStrings(std::shared_ptr<const TLanguageStrings> strings);
// Short form for LanguageStrings().GetString(n).
std::string LS(int index);

std::string LanguageFilePath(TLanguage language);

// The bilingual message shown when the language file is missing or of another version.
std::string LanguageFileErrorMessage(const std::string& path, TLanguageLoadResult result);

// Encodes a plain-text source into a language file: header with the program version,
// then every byte plus 1.
std::string EncodeLanguageText(std::string_view sourceText);
// Encodes a source file into `targetPath`, written atomically (the build's encoder). A
// source with fewer than kLanguageStringsUsed strings is refused.
bool WriteLanguageFile(const std::string& sourcePath, const std::string& targetPath, std::string* error);
// For English then German: encodes "eng.lsl"/"ger.lsl" of `sourceFolder` into the
// installed language files, each previous file kept in the backup folder
// (ReplaceDataFile); a missing source is skipped. Both sources are checked before
// either file is written. Returns false (with `error`) on a refused source or failed write.
bool WriteLanguageFiles(const std::string& sourceFolder, std::string* error);

// Text of a keyboard shortcut with localized key names ("Ctrl+S"). `key` is a
// virtual key code; an unnamed key gives "".
std::string ShortCutText(int key, bool shift, bool ctrl, bool alt);

}  // namespace qz
