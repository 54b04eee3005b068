// Batch processing for contest committees: one of three jobs over a list of files,
// each file going through the steps an opened log goes through (load, compile, export)
// without a window. Files are processed in parallel on a pool of worker threads that
// share one loaded country file and the reference lists; every result comes back in
// the order of the file list, whatever the number of workers.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "base/droppedlines.h"
#include "batch/slimmedresults.h"
#include "domain/cty.h"
#include "domain/defs.h"
#include "engine/compilesettings.h"

namespace qz {

enum class TBatchJob : std::uint8_t {
    // An export of every native log, written beside it.
    Export,
    // Every foreign file converted into a native log.
    Convert,
    // The figures of every log for one common result list.
    Results,
};

struct TBatchSettings {
    TBatchJob job = TBatchJob::Export;
    // Export: the output window whose text is written (its extension names the file).
    TOutputWindow exportFormat = owSTF;
    // Convert: the one import format of the files; ftUnknown takes each file's detected
    // type.
    TFileType importFormat = ftUnknown;
    // Convert and results: the contest of every log whatever the file says.
    TContest fixContest = cNoContest;
    // Results: the contest of a foreign file that names none the program knows.
    TContest defaultContest = cNoContest;
    // Results: read foreign files too (converted in memory); otherwise only native logs.
    bool foreignFiles = false;
    // Convert: the folder of the native logs; "" = beside each source.
    std::string outputFolder;
    // Export and convert: replace an output that exists; otherwise it is kept and the
    // file counts as failed.
    bool replaceExisting = false;
    // Convert and results: the stored column layout for column text files.
    std::string layoutName;
    // Worker threads; 0 = one per processor core.
    unsigned jobs = 0;
    // The country data shared by every log; null = the installed country file, loaded
    // once for the whole batch.
    std::shared_ptr<const TCtyStuff> cty;
    TCompileSettings compile;
    // Called on the calling thread with the number of files done.
    std::function<void(std::size_t done, std::size_t total)> progress;
    // When set, the batch stops after the files being processed.
    const std::atomic<bool>* cancel = nullptr;
};

// What became of one file.
struct TBatchFileResult {
    std::string file;
    bool ok = false;
    // Why the file failed; names the file.
    std::string error;
    // It failed because it names no contest the program knows and none was given; each
    // front end says in its own words how to give one.
    bool contestUnknown = false;
    // What the reader, the compile and the writer said (skipped lines, cut values),
    // and any message the core would have shown in a box.
    std::vector<std::string> messages;
    // The lines the reader could not read and left out (their messages are among
    // `messages` too); a file with any is done but not whole.
    TDroppedLines dropped;
    // Export and convert: the file written.
    std::string written;
    // Results: the log's figures, and what a reader needs to reproduce them.
    TSlimmedResults figures;
    std::int64_t calculatedMultipliers = 0;  // all kinds, as the score is calculated
    std::string claimedScore;                // a Cabrillo file's CLAIMED-SCORE
    std::string ctyFile;
    std::string ctyVersion;
    std::vector<std::string> changedSettings;  // compile settings off their defaults
};

struct TBatchOutcome {
    // Why nothing was done (a format without writer, no country file); "" otherwise.
    std::string setupError;
    // One entry per file processed, in list order (fewer than the list after a cancel).
    std::vector<TBatchFileResult> files;
    std::size_t failed = 0;
    bool cancelled = false;
};

// Whether the export job can write `window`: the formats with a writer and the two
// reports.
bool BatchExportAvailable(TOutputWindow window);

// Runs the job over `files`. `finished` (may be empty) receives each file's result on
// the calling thread, in list order, as soon as it and every file before it are done.
TBatchOutcome RunBatch(const std::vector<std::string>& files, const TBatchSettings& settings,
                       const std::function<void(const TBatchFileResult&)>& finished = {});

}  // namespace qz
