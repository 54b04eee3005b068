#include "gui/linehint.h"

#include <memory>
#include <string>

#include "base/language.h"
#include "base/text.h"
#include "engine/contestlog.h"
#include "gui/livestrings.h"
#include "gui/qtext.h"

namespace qz::gui {

namespace {

// The title of the multiplier column of kind `multiIndex` ("Cty", "Zone", ...).
std::string MultiplierName(const TContestLog& log, int multiIndex) {
    for (int c = 0; c < log.NoOfColumns(); ++c)
        if (log.ColumnProperty(c) == cpMul && log.ColumnArrayIndex(c) == multiIndex) return Trim(log.ColumnHeader(c));
    return "#" + std::to_string(multiIndex + 1);
}

}  // namespace

QString CallForecastText(TContestLog& log, int row, const QString& call) {
    const TQSO* line = log.QSOs(row);
    if (line == nullptr || call.trimmed().isEmpty()) return {};
    std::unique_ptr<TQSO> probe = log.NewQSO(false);
    probe->CopyFrom(line);
    if (!probe->SetChangedCall(ToCore(call.trimmed()))) return {};
    const TLineForecast forecast = log.ForecastLine(row, *probe);
    if (!forecast.known) return {};
    if (forecast.dupeOf >= 0) return LSCaption(ui::lsHintDupeOf) + " " + QString::number(forecast.dupeOf + 1);
    if (forecast.invalid) return LSCaption(ui::lsHintInvalid);
    if (forecast.newMulties.empty()) return {};
    std::string text = LS(ui::lsHintNewMultiplier);
    for (std::size_t i = 0; i < forecast.newMulties.size(); ++i) {
        const auto& [kind, value] = forecast.newMulties[i];
        text += (i == 0 ? " " : ", ") + MultiplierName(log, kind) + " " + value;
    }
    return FromCore(text);
}

}  // namespace qz::gui
