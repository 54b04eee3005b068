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

}  // namespace

TFileType DetectFileType(const std::string& fileName, std::span<const TConverterRow> rows,
                         std::unique_ptr<TConvert>& recognizer, std::vector<std::string>* messages) {
    // Devices, FIFOs and files above the size cap are no log of any format.
    std::uint64_t size = 0;
    if (CheckReadableFile(fileName, kMaxReadFileSize, nullptr, &size) != TReadFileError::None) return ftUnknown;
    std::string first;
    if (!ReadFileStart(fileName, 1 + kVersionStringLen, first)) return ftUnknown;
    if (IsNativeLog(first, size)) return NativeFileType(first, size);

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
        const TFileType type = row.checkFormat(fileName, &recognizer, messages);
        if (type != ftUnknown) return type;
    }
    return fallback && fallback->make ? fallback->firstType : ftUnknown;
}

TFileType DetectFileType(const std::string& fileName, std::span<const TConverterRow> rows) {
    std::unique_ptr<TConvert> recognizer;
    return DetectFileType(fileName, rows, recognizer, nullptr);
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
