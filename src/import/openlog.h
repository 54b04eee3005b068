// Opening a log of any format the program knows: native logs are read as they are,
// legacy and foreign files are converted in memory by their converter. Every front end
// (command line, batch, desktop) opens logs through OpenLog, so each of them reads every
// format a converter of the registry reads.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "base/droppedlines.h"
#include "base/fileio.h"
#include "domain/cty.h"
#include "domain/defs.h"
#include "engine/contestlog.h"
#include "import/registry.h"

namespace qz {

struct TOpenLogOptions {
    // Country data for the log; without it the file's (or the installed) country file
    // is loaded.
    std::shared_ptr<const TCtyStuff> cty;
    // The contest to use whatever the file says (cNoContest: the file's).
    TContest fixContest = cNoContest;
    // The contest for a foreign file that names none the program knows.
    TContest defaultContest = cNoContest;
    // Files larger than this are refused.
    std::uint64_t maxFileSize = kMaxReadFileSize;
    // Show the converters' dialogs and message boxes (the desktop); off for batch and
    // the command line.
    bool showMessageBoxes = false;
    // Let converters ask their own questions through the front end (the STF column
    // allocation) even without message boxes; the front end decides whether it asks.
    bool askQuestions = false;
    // Read the file as this type whatever detection says (an import command of one
    // format); ftUnknown = detect the type.
    TFileType forceType = ftUnknown;
    // The stored column layout for column text files, by name; "" = by extension.
    std::string layoutName;
    // The converters to try; empty means the program's registry.
    std::span<const TConverterRow> converters;
    // Called with a foreign file's converter before it reads the file: the desktop
    // hangs its dialogs (column allocation, column layout, template choice) on it.
    std::function<void(TConvert&)> prepareConverter;
};

struct TOpenedLog {
    // The log, not compiled; nullptr when the file could not be opened (`error`).
    std::unique_ptr<TContestLog> log;
    // The type the file was recognised as (ftUnknown when it was not).
    TFileType type = ftUnknown;
    // The score the file claims (Cabrillo CLAIMED-SCORE, ...), "" when the format or
    // the file has none.
    std::string claimedScore;
    // What the readers said about the file: skipped lines, doubtful values, damaged
    // records. Each message names the file.
    std::vector<std::string> messages;
    // The lines (records) the reader could not read and left out of the log; their
    // messages are among `messages` too. A front end shows them unasked and fails.
    TDroppedLines dropped;
    // Why no log was opened: names the file and the reason.
    std::string error;
    // The file names no contest the program knows and none was given; `error` says so
    // and each front end adds how to give one.
    bool contestUnknown = false;
};

// Opens `path` (a file name as given by the user). The log's MessageLines is not set;
// the caller sets it before compiling.
TOpenedLog OpenLog(const std::string& path, const TOpenLogOptions& options = {});

}  // namespace qz
