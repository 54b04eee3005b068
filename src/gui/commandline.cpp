#include "gui/commandline.h"

#include <algorithm>

#include "base/text.h"

namespace qz::gui {

namespace {

bool IsSwitch(const std::string& arg, const char* name) {
    return SameText(arg, std::string("/") + name) || SameText(arg, std::string("--") + name);
}

// A name whose last path part has no dot after its first character gets ".QZF".
std::string WithExtension(const std::string& name) {
    const std::size_t slash = name.find_last_of('/');
    const std::size_t start = slash == std::string::npos ? 0 : slash + 1;
    const std::size_t dot = name.find_last_of('.');
    if (dot != std::string::npos && dot > start) return name;
    return name + ".QZF";
}

}  // namespace

TCommandLine ParseCommandLine(const std::vector<std::string>& args) {
    TCommandLine result;
    for (const std::string& arg : args) {
        if (IsSwitch(arg, "CLF")) ++result.clfCount;
        else if (IsSwitch(arg, "DBG")) result.debugDataFolders = true;
        else if (IsSwitch(arg, "QUIRN")) result.iaruPointsFromOptions = true;
        else if (arg.empty() || arg[0] == '-') continue;  // unknown options are ignored
        else result.files.push_back(WithExtension(arg));
    }
    std::stable_sort(result.files.begin(), result.files.end(),
                     [](const std::string& a, const std::string& b) { return CompareText(a, b) < 0; });
    return result;
}

}  // namespace qz::gui
