// Format detection: native logs by their version string, foreign files by the format
// tests of the registered converters in their fixed order.
#include "import/detect.h"

#include <filesystem>

#include "base/fileio.h"
#include "base/text.h"
#include "logfile/qzf.h"

namespace qz {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kKeywords[] = {"unknown", "QZ3", "QZ4", "CT8",   "CT9",  "CT10",    "NA9",
                                          "NA10",    "QW4", "STF", "ASCII", "ADIF", "Cabrillo"};
constexpr std::string_view kDescriptions[] = {"not recognised",
                                              "legacy native log (version 3)",
                                              "native log",
                                              "CT binary log (older version)",
                                              "CT binary log",
                                              "CT binary log (newest version)",
                                              "NA log",
                                              "NA log",
                                              "QW binary log",
                                              "STF",
                                              "column-oriented text log",
                                              "ADIF",
                                              "Cabrillo"};
static_assert(std::size(kKeywords) == ftCabrillo + 1 && std::size(kDescriptions) == ftCabrillo + 1);

// The detection proper; `why` gets the reason when the file cannot be read or is a log
// of a known format that is damaged (then the result is ftUnknown, never a guess).
TFileType Detect(const std::string& fileName, std::span<const TConverterRow> rows,
                 std::unique_ptr<TConvert>& recognizer, std::vector<std::string>* messages, std::string& why) {
    // Devices, FIFOs, unreadable files and files above the size cap are no log of any
    // format.
    std::uint64_t size = 0;
    if (CheckReadableFile(fileName, kMaxReadFileSize, &why, &size) != TReadFileError::None) return ftUnknown;
    std::string first;
    if (!ReadFileStart(fileName, 1 + kVersionStringLen, first)) {
        why = fileName + ": cannot read the file";
        return ftUnknown;
    }
    if (IsNativeLog(first, size)) return NativeFileType(first, size);
    // A file that starts like a native log but ends inside its header goes to a format
    // that recognises it; if none does, the cut is the reason, not a guess at a format.
    if (IsCutNativeHeader(first, size))
        why = fileName + ": a native log that ends inside its header (" + std::to_string(size) + " of " +
              std::to_string(kFileHeaderSize) + " bytes): no line to read";

    std::string extension = fs::path(fileName).extension().string();
    if (!extension.empty()) extension.erase(0, 1);
    const TConverterRow* fallback = nullptr;
    for (const TConverterRow& row : rows) {
        if (row.fallback) {
            fallback = &row;
            continue;
        }
        if (!row.onlyForExtension.empty() && !SameText(extension, row.onlyForExtension)) continue;
        if (!row.checkFormat) continue;
        std::string damaged;
        const TFileType type = row.checkFormat(fileName, &recognizer, messages, &damaged);
        if (type != ftUnknown) return type;
        if (why.empty()) why = damaged;
    }
    if (!why.empty()) return ftUnknown;
    return fallback && fallback->make ? fallback->firstType : ftUnknown;
}

}  // namespace

TFileType DetectFileType(const std::string& fileName, std::span<const TConverterRow> rows,
                         std::unique_ptr<TConvert>& recognizer, std::vector<std::string>* messages,
                         std::string* unreadable) {
    std::string why;
    const TFileType type = Detect(fileName, rows, recognizer, messages, why);
    if (unreadable) *unreadable = type == ftUnknown ? why : std::string();
    return type;
}

TFileType DetectFileType(const std::string& fileName, std::span<const TConverterRow> rows) {
    std::unique_ptr<TConvert> recognizer;
    return DetectFileType(fileName, rows, recognizer, nullptr);
}

TFileType DetectFileType(const std::string& fileName, std::string* unreadable) {
    std::unique_ptr<TConvert> recognizer;
    return DetectFileType(fileName, ConverterRegistry(), recognizer, nullptr, unreadable);
}

TFileType DetectFileType(const std::string& fileName) { return DetectFileType(fileName, ConverterRegistry()); }

std::unique_ptr<TConvert> MakeConverter(TFileType type, const std::string& fileName, std::vector<std::string>* messages,
                                        std::span<const TConverterRow> rows) {
    for (const TConverterRow& row : rows)
        if (type >= row.firstType && type <= row.lastType && type >= ftCT8 && row.make)
            return row.make(fileName, messages);
    return nullptr;
}

std::unique_ptr<TConvert> MakeConverter(TFileType type, const std::string& fileName,
                                        std::vector<std::string>* messages) {
    return MakeConverter(type, fileName, messages, ConverterRegistry());
}

std::string_view FileTypeKeyword(TFileType type) { return type <= ftCabrillo ? kKeywords[type] : kKeywords[0]; }

std::string_view FileTypeDescription(TFileType type) {
    return type <= ftCabrillo ? kDescriptions[type] : kDescriptions[0];
}

}  // namespace qz
