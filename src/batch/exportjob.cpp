// The export job: a native log is loaded and compiled as the editor does, and the text
// of the chosen output window is written beside it.
#include <filesystem>
#include <vector>

#include "base/datetime.h"
#include "base/fileio.h"
#include "base/language.h"
#include "base/lsnumbers.h"
#include "batch/filejobs.h"
#include "engine/contestlog.h"
#include "export/exporter.h"
#include "import/detect.h"
#include "import/openlog.h"

namespace qz {

namespace fs = std::filesystem;

std::string FileError(const std::string& file, const std::string& reason) { return file + ": " + reason; }

std::string PlannedOutput(const TBatchSettings& settings, const std::string& file) {
    switch (settings.job) {
        case TBatchJob::Export:
            return fs::path(file).replace_extension(OutputWindowExtension(settings.exportFormat)).string();
        case TBatchJob::Convert: {
            // The native writer gives every name the extension .QZF.
            fs::path name = fs::path(file);
            if (name.extension() != ".QZF") name.replace_extension(".QZF");
            if (!settings.outputFolder.empty()) name = fs::path(settings.outputFolder) / name.filename();
            return name.string();
        }
        case TBatchJob::Results: break;
    }
    return {};
}

bool CheckBatchInput(TBatchFileResult& result, bool nativeOnly) {
    std::string error;
    std::uint64_t size = 0;
    const TReadFileError why = CheckReadableFile(result.file, kMaxReadFileSize, &error, &size);
    if (why != TReadFileError::None && why != TReadFileError::Missing) {
        result.error = error;
        return false;
    }
    if (why == TReadFileError::Missing || size == 0) {
        result.error = result.file + " " + LS(lsFileEmptyOrMissing);
        return false;
    }
    if (nativeOnly) {
        const TFileType type = DetectFileType(result.file, &error);
        if (type != ftQZ4 && type != ftQZ3) {
            result.error = !error.empty() ? error : FileError(result.file, "not a native log");
            return false;
        }
    }
    return true;
}

void ExportFile(const TBatchContext& context, TBatchFileResult& result) {
    const TBatchSettings& s = context.settings;
    if (!CheckBatchInput(result, true)) return;
    const std::string target = PlannedOutput(s, result.file);
    TOpenLogOptions open;
    open.cty = context.cty;
    TOpenedLog opened = OpenLog(result.file, open);
    result.messages = std::move(opened.messages);
    result.dropped = std::move(opened.dropped);
    if (!opened.log) {
        result.error = opened.error;
        return;
    }
    TContestLog& log = *opened.log;
    log.SetMessageLines(&result.messages);
    log.SetShowMessageBoxes(false);
    log.Compile(s.compile);
    std::string bytes;
    ProduceExportFile(s.exportFormat, log, bytes, &result.messages, NowLocal());
    log.SetMessageLines(nullptr);

    std::error_code ec;
    if (SameFile(target, result.file)) {
        result.error = FileError(result.file, "its output " + target + " is the log itself");
        return;
    }
    if (fs::is_directory(target, ec)) {
        result.error = FileError(target, "is a folder, not a file");
        return;
    }
    if (!s.replaceExisting && (fs::exists(target, ec) || fs::is_symlink(target, ec))) {
        result.error = FileError(target, "exists and was kept");
        return;
    }
    std::string error;
    if (!WriteFileAtomically(target, bytes, &error)) {
        result.error = error.empty() ? FileError(target, "cannot be written") : error;
        return;
    }
    result.written = target;
    result.ok = true;
}

}  // namespace qz
