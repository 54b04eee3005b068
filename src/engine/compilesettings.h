// The settings that change what a compile pass finds. Front ends take them from the
// stored options and hand them to Compile, so that a result names everything it
// depends on.
#pragma once

#include <string>
#include <vector>

namespace qz {

struct TOptions;

struct TCompileSettings {
    bool SortLog = true;                      // sort the lines by time first
    bool CancelQSOIfBandIsNotAllowed = true;  // a line on a band the contest lacks is invalid
    bool CancelQSOIfModeIsNotAllowed = true;  // a line in a mode the contest lacks is invalid

    bool operator==(const TCompileSettings&) const = default;
};

// The compile settings held by the settings record.
TCompileSettings CompileSettingsFromOptions(const TOptions& options);

// "Name=on|off" (the names under which the settings are stored) for every setting that
// differs from its default, in declaration order; empty for the defaults.
std::vector<std::string> NonDefaultCompileSettings(const TCompileSettings& settings);

}  // namespace qz
