// Where the file dialogs for native logs start: the logs folder of the options, and the
// name a log that has none yet is offered under.
#pragma once

#include <QString>

namespace qz {
class TContestLog;
}

namespace qz::gui {

// The folder of Options.Path_QZ_Logs, made when it does not exist yet (a dialog given
// a missing folder would take its last part for a file name).
QString LogsFolder();
// LogsFolder() + "/CALL-CONTEST-YEAR.QZF" for `log`: its own call, the contest's short
// (Cabrillo) name and the year of its first line, else of the day it was created.
QString ProposedLogPath(const TContestLog& log);

}  // namespace qz::gui
