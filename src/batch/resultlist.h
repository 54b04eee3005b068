// The common result list of a batch: a simple tagged text, one entry per log in the
// order of the file list, for the committee's further processing.
#pragma once

#include <string>
#include <vector>

#include "batch/batchjob.h"

namespace qz {

inline constexpr const char* kDefaultTopLevelId = "FINAL";

// The whole list (Windows-1252, CR LF): "<ID>", an empty line, a TEILNAHME entry per
// log that was scored, then, only when files failed, a FEHLER entry per failed file
// naming it (DATEI) and the reason (GRUND), and "</ID>".
std::string ResultListText(const std::string& topLevelId, const std::vector<TBatchFileResult>& files);

// The lines of one log's entry, with its trailing empty line.
std::vector<std::string> ResultListEntry(const TSlimmedResults& figures);

}  // namespace qz
