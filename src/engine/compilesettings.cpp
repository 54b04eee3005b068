// Compile settings from the settings record, and their description for reports.
#include "engine/compilesettings.h"

#include "base/options.h"

namespace qz {

TCompileSettings CompileSettingsFromOptions(const TOptions& options) {
    TCompileSettings s;
    s.SortLog = options.Compile_SortLog.oValue;
    s.CancelQSOIfBandIsNotAllowed = options.Compile_CancelQSOIfBandIsNotAllowed.oValue;
    s.CancelQSOIfModeIsNotAllowed = options.Compile_CancelQSOIfModeIsNotAllowed.oValue;
    return s;
}

std::vector<std::string> NonDefaultCompileSettings(const TCompileSettings& settings) {
    // The names under which the settings record keeps them, as a user finds them in the
    // settings file.
    const TCompileSettings defaults;
    std::vector<std::string> out;
    auto add = [&out](const std::string& name, bool value, bool def) {
        if (value != def) out.push_back(name + (value ? "=on" : "=off"));
    };
    add("Compile_SortLog", settings.SortLog, defaults.SortLog);
    add("Compile_CancelQSOIfBandIsNotAllowed", settings.CancelQSOIfBandIsNotAllowed,
        defaults.CancelQSOIfBandIsNotAllowed);
    add("Compile_CancelQSOIfModeIsNotAllowed", settings.CancelQSOIfModeIsNotAllowed,
        defaults.CancelQSOIfModeIsNotAllowed);
    return out;
}

}  // namespace qz
