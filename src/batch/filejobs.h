// The three batch jobs for one file. Each runs on a worker thread: it reads only what
// the batch shares read-only (settings, country data) and writes only the file's own
// result and output.
#pragma once

#include <memory>
#include <string>

#include "batch/batchjob.h"
#include "domain/cty.h"

namespace qz {

struct TBatchContext {
    const TBatchSettings& settings;
    std::shared_ptr<const TCtyStuff> cty;
};

// Each fills `result` (whose `file` is set): ok, or the error naming the file.
void ExportFile(const TBatchContext& context, TBatchFileResult& result);
void ConvertFile(const TBatchContext& context, TBatchFileResult& result);
void ScoreFile(const TBatchContext& context, TBatchFileResult& result);

// The file a job is going to write for `file`, when it is known before the file is
// read ("" for the results job, which writes one list for all).
std::string PlannedOutput(const TBatchSettings& settings, const std::string& file);

// Checks that the file can be read and is not empty, and with `nativeOnly` that it is
// a native log; false after setting the result's error.
bool CheckBatchInput(TBatchFileResult& result, bool nativeOnly);

// "<file>: <reason>".
std::string FileError(const std::string& file, const std::string& reason);

}  // namespace qz
