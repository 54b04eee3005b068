// Opens a log of any known format: the native readers for native files, the registry's
// converters, run in memory, for everything else.
#include "import/openlog.h"

#include "base/language.h"
#include "base/lsnumbers.h"
#include "import/detect.h"
#include "logfile/qz3.h"
#include "logfile/qzf.h"

namespace qz {

namespace {

void ReadNative(const std::string& path, const TOpenLogOptions& o, TOpenedLog& r) {
    std::string bytes;
    if (!ReadWholeFile(path, bytes, &r.error, o.maxFileSize)) return;
    if (r.type == ftQZ4) {
        TQZF qzf;
        qzf.Messages = &r.messages;
        r.log = qzf.ReadLogFromBytes(bytes, path, o.cty);
        r.error = qzf.LastError();
        r.dropped = std::move(qzf.Dropped);
    } else {
        TQZ3 qz3(path);
        qz3.Cty = o.cty;
        qz3.FixContest = o.fixContest;
        r.log = qz3.ReadFromBytes(bytes);
        r.error = qz3.LastError();
        r.dropped = std::move(qz3.Dropped);
        r.messages.insert(r.messages.end(), r.dropped.listed.begin(), r.dropped.listed.end());
    }
}

void ReadForeign(const std::string& path, const TOpenLogOptions& o, std::span<const TConverterRow> rows,
                 std::unique_ptr<TConvert> converter, TOpenedLog& r) {
    if (!converter) converter = MakeConverter(r.type, path, &r.messages, rows);
    if (!converter) {
        r.error = path + ": a file of type " + std::string(FileTypeKeyword(r.type)) + ", which cannot be read yet";
        return;
    }
    converter->Cty = o.cty;
    converter->FixContest = o.fixContest;
    converter->DefaultContest = o.defaultContest;
    converter->AskQuestions = o.askQuestions;
    converter->LayoutName = o.layoutName;
    if (o.prepareConverter) o.prepareConverter(*converter);
    r.log = converter->ReadLog(o.showMessageBoxes);
    r.claimedScore = converter->ClaimedScore();
    r.dropped = converter->Dropped();
    r.contestUnknown = !r.log && converter->ContestUnknown();
    if (!r.log) r.error = converter->LastError().empty() ? LS(lsConversionFailed) + " " + path : converter->LastError();
}

}  // namespace

TOpenedLog OpenLog(const std::string& path, const TOpenLogOptions& o) {
    TOpenedLog r;
    std::uint64_t size = 0;
    const TReadFileError why = CheckReadableFile(path, o.maxFileSize, &r.error, &size);
    if (why != TReadFileError::None && why != TReadFileError::Missing) return r;
    if (why == TReadFileError::Missing || size == 0) {
        r.error = path + " " + LS(lsFileEmptyOrMissing);
        return r;
    }
    const std::span<const TConverterRow> rows = o.converters.empty() ? ConverterRegistry() : o.converters;
    // The converter that recognises a foreign file has loaded it and reads it on.
    std::unique_ptr<TConvert> recognizer;
    std::string unreadable;
    r.type = o.forceType != ftUnknown ? o.forceType : DetectFileType(path, rows, recognizer, &r.messages, &unreadable);
    switch (r.type) {
        case ftQZ4:
        case ftQZ3: ReadNative(path, o, r); break;
        case ftUnknown: r.error = unreadable.empty() ? path + " " + LS(lsUnknownFileType) : unreadable; break;
        default: ReadForeign(path, o, rows, std::move(recognizer), r); break;
    }
    if (r.log) {
        // The readers' message list moves with the result; the caller points the log at
        // its own list before compiling.
        r.log->SetMessageLines(nullptr);
        r.error.clear();
    } else if (r.error.empty()) {
        r.error = path + ": " + LS(lsLogCreationFailed);
    }
    return r;
}

}  // namespace qz
