#include "gui/logsfolder.h"

#include <QDir>

#include "base/datetime.h"
#include "base/options.h"
#include "engine/contestlog.h"
#include "gui/qtext.h"
#include "logfile/qzf.h"

namespace qz::gui {

QString LogsFolder() {
    const QString folder = FromPath(Options.Path_QZ_Logs.oValue);
    if (!folder.isEmpty()) QDir().mkpath(folder);
    return folder;
}

QString ProposedLogPath(const TContestLog& log) {
    const TFileHeader& h = log.FileHeader();
    TDateTime day = h.fhQZ_CreatedTimeStamp;
    if (log.NoOfQSOs() > 0 && IsValidDay(log.QSOs(0)->DateTime())) day = log.QSOs(0)->DateTime();
    if (!IsValidDay(day) || day < 1) day = NowUTC();
    const std::string name =
        ProposedNativeFileName(log.OwnCall().Call(), CabrilloContestNames[h.fhContest_Contest], DecodeDate(day).year);
    const QString folder = LogsFolder();
    return folder.isEmpty() ? FromPath(name) : folder + "/" + FromPath(name);
}

}  // namespace qz::gui
