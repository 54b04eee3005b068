// The conversion job: the converter of the file's format writes it as a native log,
// without dialogs and without questions.
#include <memory>

#include "base/fileio.h"
#include "base/language.h"
#include "base/lsnumbers.h"
#include "batch/filejobs.h"
#include "import/convert.h"
#include "import/detect.h"

namespace qz {

namespace {

// The type to convert the file as; ftUnknown after setting the error.
TFileType TypeToConvert(const TBatchSettings& s, TBatchFileResult& result) {
    if (!CheckBatchInput(result, false)) return ftUnknown;
    std::string unreadable;
    const TFileType detected = DetectFileType(result.file, &unreadable);
    if (detected == ftQZ4 || detected == ftQZ3) {
        result.error = FileError(result.file, "already a native log");
        return ftUnknown;
    }
    if (s.importFormat == ftUnknown) {
        if (detected == ftUnknown)
            result.error = !unreadable.empty() ? unreadable : result.file + " " + LS(lsUnknownFileType);
        return detected;
    }
    // CT files of every version go through one converter; their versions are one format.
    auto converterOf = [](TFileType t) {
        for (const TConverterRow& row : ConverterRegistry())
            if (t >= row.firstType && t <= row.lastType) return &row;
        return static_cast<const TConverterRow*>(nullptr);
    };
    if (converterOf(detected) != converterOf(s.importFormat)) {
        result.error =
            FileError(result.file, "not a file of type " + std::string(FileTypeKeyword(s.importFormat)) +
                                       " (it was recognised as " + std::string(FileTypeKeyword(detected)) + ")");
        return ftUnknown;
    }
    return detected;
}

}  // namespace

void ConvertFile(const TBatchContext& context, TBatchFileResult& result) {
    const TBatchSettings& s = context.settings;
    const TFileType type = TypeToConvert(s, result);
    if (type == ftUnknown) return;
    std::unique_ptr<TConvert> converter = MakeConverter(type, result.file, &result.messages);
    if (!converter) {
        result.error = FileError(
            result.file, "a file of type " + std::string(FileTypeKeyword(type)) + ", which cannot be converted yet");
        return;
    }
    const std::string target = PlannedOutput(s, result.file);
    if (SameFile(target, result.file)) {
        result.error = FileError(result.file, "its native log would replace it");
        return;
    }
    converter->FixContest = s.fixContest;
    converter->DefaultContest = s.defaultContest;
    converter->Cty = context.cty;
    converter->LayoutName = s.layoutName;
    converter->AskQuestions = false;
    converter->Ask4Overwrite = !s.replaceExisting;
    converter->StoreTarget =
        s.outputFolder.empty() ? TStoreTarget{false, true, ""} : TStoreTarget{false, false, s.outputFolder};
    const std::string written = converter->ConvertLog(false);
    result.dropped = converter->Dropped();
    if (written.empty()) {
        if (converter->Cancelled()) result.error = FileError(target, "exists and was kept");
        else if (!converter->LastError().empty()) result.error = converter->LastError();
        else result.error = LS(lsConversionFailed) + " " + result.file;
        result.contestUnknown = converter->ContestUnknown();
        return;
    }
    result.written = written;
    result.ok = true;
}

}  // namespace qz
