// The converters of foreign log files, one row per converter in the order in which
// format detection tries them. A converter plugs in by filling its row with its format
// test and its maker; nothing else in the framework changes.
#pragma once

#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "domain/defs.h"
#include "import/convert.h"

namespace qz {

struct TConverterRow {
    // The file types the converter reads (CT and NA files come in several versions).
    TFileType firstType;
    TFileType lastType;
    // Detection tries the test only for files with this extension ("bin"; "" = any).
    std::string_view onlyForExtension;
    // The converter's CheckFormat on a fresh object; ftUnknown = not this type. When the
    // type is recognised and `keep` is given, the converter (made with `messages`) is
    // handed out in it: it has loaded the file and reads it on without loading it again.
    // When the file is of the type but cannot be read (cut short), `damaged` (may be
    // nullptr) gets the converter's reason.
    TFileType (*checkFormat)(const std::string& fileName, std::unique_ptr<TConvert>* keep,
                             std::vector<std::string>* messages, std::string* damaged);
    // A new converter for the file; nullptr while the converter is not available.
    std::unique_ptr<TConvert> (*make)(const std::string& fileName, std::vector<std::string>* messages);
    // The row that takes every file no other row recognises.
    bool fallback = false;
};

// The format test of a converter that is not available: never its type.
inline TFileType NotThisType(const std::string&, std::unique_ptr<TConvert>*, std::vector<std::string>*, std::string*) {
    return ftUnknown;
}

template <class T>
TFileType CheckFormatWith(const std::string& fileName, std::unique_ptr<TConvert>* keep,
                          std::vector<std::string>* messages, std::string* damaged) {
    auto converter = std::make_unique<T>(fileName, messages);
    const TFileType type = converter->CheckFormat();
    if (type != ftUnknown && keep) *keep = std::move(converter);
    else if (type == ftUnknown && damaged) *damaged = converter->DamagedReason();
    return type;
}

template <class T>
std::unique_ptr<TConvert> MakeConverterOf(const std::string& fileName, std::vector<std::string>* messages) {
    return std::make_unique<T>(fileName, messages);
}

// The rows in detection order.
std::span<const TConverterRow> ConverterRegistry();

}  // namespace qz
