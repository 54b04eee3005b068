// The desktop program's command line: the switches /CLF, /DBG and /QUIRN (also written
// --clf, --dbg, --quirn, in any letter case) and the log files to open. On this system a
// path begins with "/", so only the exact switch names are switches; every other
// argument that does not begin with "-" names a file.
#pragma once

#include <string>
#include <vector>

namespace qz::gui {

struct TCommandLine {
    // How often /CLF was given (each occurrence writes the language files again).
    int clfCount = 0;
    bool debugDataFolders = false;       // /DBG
    bool iaruPointsFromOptions = false;  // /QUIRN
    // The files in the order they are opened: ".QZF" added to a name without extension,
    // sorted ignoring case.
    std::vector<std::string> files;
};

// `args` without the program name (and without the options Qt took for itself).
TCommandLine ParseCommandLine(const std::vector<std::string>& args);

}  // namespace qz::gui
