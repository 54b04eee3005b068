// The contest factory: the only way contest logs are made. It picks the class of the
// header's contest, lets a two-sided contest hand the log to its other side, and
// reports creation errors.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "domain/cty.h"
#include "domain/defs.h"
#include "engine/contestlog.h"

namespace qz {

// A new log for `header` (the own call upper-cased and cut to 26 characters), or
// nullptr after an error message box: unknown contest (language string 89), country
// file not loadable (196), invalid own call (250), reference table missing (251).
// `messages` becomes the log's MessageLines (not owned, may be nullptr). `cty` hands in
// country data that is already loaded (shared by many logs in a batch); without it the
// header's country file is loaded.
std::unique_ptr<TContestLog> CreateContestLog(const TFileHeader& header, std::vector<std::string>* messages,
                                              std::shared_ptr<const TCtyStuff> cty = nullptr);

// True when the factory has a class for `contest` (every value but the two markers).
bool ContestHasClass(TContest contest);

}  // namespace qz
