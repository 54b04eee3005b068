#include "batch/batchjob.h"

#include <exception>
#include <filesystem>
#include <map>
#include <system_error>

#include "base/fileio.h"
#include "base/frontend.h"
#include "batch/filejobs.h"
#include "batch/workerpool.h"

namespace qz {

namespace fs = std::filesystem;

bool BatchExportAvailable(TOutputWindow window) {
    // The reports come from the log itself, the formats from their writers
    // (ProduceExportFile).
    switch (window) {
        case owComments:
        case owResult:
        case owSTF:
        case owCabrillo:
        case owADIF:
        case owRES:
        case owSwisslog:
        case owDBase: return true;
        default: return false;
    }
}

namespace {

// The front end of a worker thread while it handles one file: what the core would show
// in a box becomes a message of the file, and every question gets the safe answer
// (No, Cancel), so a batch never waits for the user and never replaces a file unasked.
class TFileFrontEnd final : public TSilentFrontEnd {
public:
    explicit TFileFrontEnd(std::vector<std::string>& messages) : TSilentFrontEnd(TMsgAnswer::No), messages_(messages) {}
    void ShowInfoMessage(const std::string& text) override { messages_.push_back(text); }
    void ShowErrorMessage(const std::string& text) override { messages_.push_back(text); }

private:
    std::vector<std::string>& messages_;
};

// A key under which two names of one file compare equal.
std::string FileKey(const std::string& name) {
    std::error_code ec;
    fs::path p = fs::weakly_canonical(fs::path(name), ec);
    if (ec) p = fs::absolute(fs::path(name), ec).lexically_normal();
    return p.string();
}

// Files that cannot be processed whatever their content, decided before any file is
// read so that the outcome does not depend on the order in which workers finish: a
// file listed twice, and a file whose output another file of the list writes or is.
void MarkConflicts(const std::vector<std::string>& files, const TBatchSettings& s,
                   std::vector<TBatchFileResult>& results) {
    std::map<std::string, std::size_t> inputs;
    for (std::size_t i = 0; i < files.size(); ++i) {
        auto [it, fresh] = inputs.emplace(FileKey(files[i]), i);
        if (!fresh) results[i].error = FileError(files[i], "is in the list already (as " + files[it->second] + ")");
    }
    std::map<std::string, std::size_t> outputs;
    for (std::size_t i = 0; i < files.size(); ++i) {
        if (!results[i].error.empty()) continue;
        const std::string target = PlannedOutput(s, files[i]);
        if (target.empty()) continue;
        const std::string key = FileKey(target);
        const std::string* same = FindSameFile(target, files);
        if (auto in = inputs.find(key); (in != inputs.end() && in->second != i) || (same && same != &files[i])) {
            results[i].error = FileError(files[i], "its output " + target + " is a file of the list");
            continue;
        }
        auto [it, fresh] = outputs.emplace(key, i);
        if (!fresh)
            results[i].error =
                FileError(files[i], "its output " + target + " would replace that of " + files[it->second]);
    }
}

void RunOneFile(const TBatchContext& context, TBatchFileResult& result) {
    std::vector<std::string> boxes;
    TFileFrontEnd frontEnd(boxes);
    TThreadFrontEnd scope(frontEnd);
    try {
        switch (context.settings.job) {
            case TBatchJob::Export: ExportFile(context, result); break;
            case TBatchJob::Convert: ConvertFile(context, result); break;
            case TBatchJob::Results: ScoreFile(context, result); break;
        }
    } catch (const std::exception& e) {
        result.ok = false;
        result.error = FileError(result.file, e.what());
    }
    result.messages.insert(result.messages.end(), boxes.begin(), boxes.end());
    if (!result.ok && result.error.empty()) result.error = FileError(result.file, "failed");
}

std::string SetupError(const TBatchSettings& s) {
    if (s.job == TBatchJob::Export && !BatchExportAvailable(s.exportFormat))
        return "no writer for this export format in this version";
    std::error_code ec;
    if (s.job == TBatchJob::Convert && !s.outputFolder.empty() && !fs::is_directory(s.outputFolder, ec))
        return s.outputFolder + ": no such folder";
    return {};
}

}  // namespace

TBatchOutcome RunBatch(const std::vector<std::string>& files, const TBatchSettings& settings,
                       const std::function<void(const TBatchFileResult&)>& finished) {
    TBatchOutcome outcome;
    outcome.setupError = SetupError(settings);
    if (!outcome.setupError.empty()) return outcome;
    std::shared_ptr<const TCtyStuff> cty = settings.cty;
    if (!cty && !files.empty()) {
        auto loaded = std::make_shared<TCtyStuff>("");
        if (loaded->CtyListCount() == 0) {
            outcome.setupError = "no country data: " + loaded->LoadError();
            return outcome;
        }
        cty = std::move(loaded);
    }
    const TBatchContext context{settings, cty};

    outcome.files.resize(files.size());
    for (std::size_t i = 0; i < files.size(); ++i) outcome.files[i].file = files[i];
    MarkConflicts(files, settings, outcome.files);

    TPoolCallbacks callbacks;
    callbacks.cancel = settings.cancel;
    if (finished) callbacks.finished = [&](std::size_t i) { finished(outcome.files[i]); };
    if (settings.progress) callbacks.progress = [&](std::size_t done) { settings.progress(done, files.size()); };
    const std::size_t run = RunPool(
        files.size(), settings.jobs,
        [&](std::size_t i) {
            if (outcome.files[i].error.empty()) RunOneFile(context, outcome.files[i]);
        },
        callbacks);

    outcome.cancelled = run < files.size();
    outcome.files.resize(run);
    for (const TBatchFileResult& r : outcome.files)
        if (!r.ok) ++outcome.failed;
    return outcome;
}

}  // namespace qz
