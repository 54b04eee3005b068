// The hint beside the line entry: what the call being typed would make of its line
// ("Dupe of line 12", "New multiplier: Zone 14"), from the log's forecast.
#pragma once

#include <QString>

namespace qz {
class TContestLog;
}

namespace qz::gui {

// The hint for line `row` with `call` instead of its own call; empty when the call is
// empty or not a call, or when the line brings nothing worth a word.
QString CallForecastText(TContestLog& log, int row, const QString& call);

}  // namespace qz::gui
