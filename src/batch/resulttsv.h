// The results of a batch as a plain table of tab-separated values: one row per scored
// log with the columns of 'qz score --tsv', for spreadsheets and scripts beside the
// tagged result list.
#pragma once

#include <string>
#include <vector>

#include "batch/batchjob.h"

namespace qz {

// The header line's names: file, call, contest, qsos, multipliers, score, claimed,
// ctyfile, ctyversion, settings, dropped.
std::vector<std::string> ResultTsvHeader();

// The fields of a scored file (Windows-1252; the file names as Windows-1252 too).
std::vector<std::string> ResultTsvRow(const TBatchFileResult& r);

// The header and a row per file that was scored, in list order (Windows-1252, "\n"
// line ends). Tabs, line ends, other control characters and backslashes inside a field
// are escaped (EscapedControls), so every row has exactly the header's columns.
std::string ResultTsvText(const std::vector<TBatchFileResult>& files);

}  // namespace qz
