// The common ground of the desktop test programs: fresh data and settings folders for
// the program under test, the main window started as the program starts it, and the
// sample Cabrillo log imported and kept as a native log.
#pragma once

#include <QTemporaryDir>
#include <memory>
#include <string>
#include <vector>

#include "domain/defs.h"
#include "gui/mainwindow.h"

namespace qz {
class TContestLog;
}

namespace qz::test {

// Points the program at the folders "data" and "config" below `dir` (made here), takes
// the staged data files of the build as the installed ones and English texts.
bool PrepareTestFolders(const QTemporaryDir& dir);

// The main window with the given command line, shown and started; null when the start
// failed.
std::unique_ptr<gui::TMainForm> StartMainWindow(const std::vector<std::string>& args);

// Imports the sample Cabrillo log (its header dialog taken as the file fills it) and
// saves it as the native log `path`.
bool SaveSampleAsNative(const std::string& path);

std::string ReadBytes(const std::string& path);

// The grid column of a column property.
int ColumnOf(const TContestLog& log, TColumnProperty property);

}  // namespace qz::test
