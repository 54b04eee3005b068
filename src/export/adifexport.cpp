// Writes the QSOs of a log as ADIF 1.00 text: an information block with the own call,
// the header and one line per QSO, the fields chosen by the configuration.
#include "export/adifexport.h"

#include "base/datetime.h"
#include "base/settingsstore.h"
#include "base/text.h"
#include "domain/adifformat.h"

namespace qz {

namespace {

struct TBoolSetting {
    const char* name;
    bool TADIFConfig::*field;
};
constexpr TBoolSetting kBoolSettings[] = {
    {"ADIF_Enable_QSO_DATE", &TADIFConfig::QSO_DATE}, {"ADIF_Enable_TIME_ON", &TADIFConfig::TIME_ON},
    {"ADIF_Enable_TIME_OFF", &TADIFConfig::TIME_OFF}, {"ADIF_Enable_CALL", &TADIFConfig::CALL},
    {"ADIF_Enable_BAND", &TADIFConfig::BAND},         {"ADIF_Enable_FREQ", &TADIFConfig::FREQ},
    {"ADIF_Enable_MODE", &TADIFConfig::MODE},         {"ADIF_Enable_RST_SENT", &TADIFConfig::RST_SENT},
    {"ADIF_Enable_RST_RCVD", &TADIFConfig::RST_RCVD}, {"ADIF_Enable_QSL_SENT", &TADIFConfig::QSL_SENT},
    {"ADIF_Enable_QSL_RCVD", &TADIFConfig::QSL_RCVD}, {"ADIF_Enable_STX", &TADIFConfig::STX},
};
constexpr const char* kTimeFormat = "ADIF_TimeFormat";
constexpr const char* kContestIdOutput = "ADIF_CONTEST_ID_Output";
constexpr const char* kAssignmentPrefix = "ADIF_AssignmentRcvd_";

}  // namespace

TADIFConfig TADIFConfig::FromSettings(int rows) {
    // The settings file is read once for all the values (an export per log of a batch).
    const TSettingsStore store = TSettingsStore::Load();
    TADIFConfig c;
    for (const TBoolSetting& s : kBoolSettings) c.*s.field = store.GetBool(kMainSection, s.name, c.*s.field);
    c.TimeFormat = store.GetInteger(kMainSection, kTimeFormat, 0) == 1 ? 1 : 0;
    c.ContestIdOutput = store.GetInteger(kMainSection, kContestIdOutput, 0) == 1 ? 1 : 0;
    for (int n = 1; n <= rows; ++n)
        c.RcvdAssignment.push_back(store.GetString(kMainSection, kAssignmentPrefix + std::to_string(n), ""));
    return c;
}

TADIFConfig TADIFConfig::Defaults(const TContestLog& log) {
    TADIFConfig c;
    for (const TADIFRcvdRow& row : ADIFRcvdRows(log)) c.RcvdAssignment.push_back(row.Field);
    return c;
}

bool TADIFConfig::Save() const {
    bool ok = true;
    for (const TBoolSetting& s : kBoolSettings) ok = WriteSettingBool(s.name, this->*s.field) && ok;
    ok = WriteSettingInteger(kTimeFormat, TimeFormat) && ok;
    ok = WriteSettingInteger(kContestIdOutput, ContestIdOutput) && ok;
    for (std::size_t n = 0; n < RcvdAssignment.size(); ++n)
        ok = WriteSettingString(kAssignmentPrefix + std::to_string(n + 1), RcvdAssignment[n]) && ok;
    return ok;
}

std::vector<TADIFRcvdRow> ADIFRcvdRows(const TContestLog& log) {
    std::vector<TADIFRcvdRow> rows;
    for (int i = 0; i < log.NoOfRcvdNumbers(); ++i) {
        const int col = log.GetColumnNumberFromProperty(cpRcvdNumber, i, log.NoOfColumns());
        if (log.ColumnProperty(col) != cpRcvdNumber || log.ColumnArrayIndex(col) != i) continue;
        if (log.ColumnQSO_QTC(col).Contains(qqQTC)) continue;
        TADIFRcvdRow row;
        row.Header = log.ColumnHeader(col);
        row.NumberIndex = i;
        row.Field = i == 0 ? std::string(adif::kSRX) : i == 1 ? std::string(adif::kComment) : std::string();
        rows.push_back(std::move(row));
    }
    return rows;
}

std::vector<TADIFRcvdRow> ADIFRcvdRows(const TContestLog& log, const TADIFConfig& config) {
    std::vector<TADIFRcvdRow> rows = ADIFRcvdRows(log);
    for (std::size_t n = 0; n < rows.size(); ++n)
        rows[n].Field = n < config.RcvdAssignment.size() ? config.RcvdAssignment[n] : std::string();
    return rows;
}

TADIFExport::TADIFExport(const TContestLog& contestLog)
    : TADIFExport(contestLog, TADIFConfig::FromSettings(static_cast<int>(ADIFRcvdRows(contestLog).size()))) {}

TADIFExport::TADIFExport(const TContestLog& contestLog, TADIFConfig config)
    : TExport(contestLog), FConfig(std::move(config)) {}

void TADIFExport::ExportLog(std::vector<std::string>& lines) {
    lines.clear();
    lines.reserve(static_cast<std::size_t>(FContestLog.NoOfQSOs()) + 12);
    lines.push_back(std::string(kWriterProgramName) + std::string(kWriterBanner));
    lines.emplace_back();
    lines.emplace_back(adif::kInfoBegin);
    lines.push_back(std::string(adif::kInfoVersion) + "=" + std::string(QZVersionString));
    lines.push_back(std::string(adif::kInfoCall) + "=" + LineSafe(FContestLog.OwnCall().Call()));
    lines.emplace_back(adif::kInfoEnd);
    lines.emplace_back();
    std::string header = adif::MakeTag(adif::kAdifVer, adif::kVersion);
    if (FConfig.ContestIdOutput == 1)
        adif::AppendTag(header, adif::kContestId, CategoryName(CabrilloContestNames, FContestLog.Contest()));
    adif::AppendTag(header, adif::kEOH, "");
    lines.push_back(std::move(header));
    lines.emplace_back();
    for (int i = 0; i < FContestLog.NoOfQSOs(); ++i) {
        std::string record = ExportSingleQSO(i);
        if (!record.empty()) lines.push_back(std::move(record));
    }
}

std::string TADIFExport::ExportSingleQSO(int index) const {
    if (index < 0 || index >= FContestLog.NoOfQSOs()) return {};
    const TQSO& q = *FContestLog.QSOs(index);
    if (q.IsQTC()) return {};
    const CivilDate d = DecodeDate(q.DateTime());
    const CivilTime t = DecodeTime(q.DateTime());
    const std::string time =
        FConfig.TimeFormat == 1 ? Format("%.2d%.2d00", t.hour, t.minute) : Format("%.2d%.2d", t.hour, t.minute);
    std::string r;
    r.reserve(160);
    // A line break inside a value would end the record's line; the length keeps it
    // readable for ADIF readers, but our own lines stay one record each.
    if (FConfig.CALL) adif::AppendTag(r, adif::kCall, LineSafe(q.Call().Call()));
    if (FConfig.BAND) adif::AppendTag(r, adif::kBand, UpperCase(BandNames[q.Band()]));
    if (FConfig.FREQ) {
        // In MHz: the logged frequency when known, else the band's.
        const std::uint32_t kHz = q.FrequencyInBand();
        adif::AppendTag(r, adif::kFreq,
                        kHz != 0 ? Format("%u.%03u", kHz / 1000, kHz % 1000) : std::string(BandFrequencies[q.Band()]));
    }
    if (FConfig.MODE) adif::AppendTag(r, adif::kMode, ADIFModeNames[q.Mode()]);
    if (FConfig.QSO_DATE) adif::AppendTag(r, adif::kQSODate, Format("%.4d%.2d%.2d", d.year, d.month, d.day));
    if (FConfig.TIME_ON) adif::AppendTag(r, adif::kTimeOn, time);
    if (FConfig.TIME_OFF) adif::AppendTag(r, adif::kTimeOff, time);
    if (FConfig.RST_SENT) adif::AppendTag(r, adif::kRSTSent, LineSafe(q.SentRST()));
    if (FConfig.STX && FContestLog.NoOfSentNumbers() > 0) adif::AppendTag(r, adif::kSTX, LineSafe(q.SentNumbers(0)));
    if (FConfig.RST_RCVD) adif::AppendTag(r, adif::kRSTRcvd, LineSafe(q.RcvdRST()));
    for (int i = 0; i < FContestLog.NoOfRcvdNumbers(); ++i) {
        const std::size_t row = static_cast<std::size_t>(i);
        if (row < FConfig.RcvdAssignment.size() && !FConfig.RcvdAssignment[row].empty())
            adif::AppendTag(r, FConfig.RcvdAssignment[row], LineSafe(q.RcvdNumbers(i)));
    }
    if (FConfig.QSL_SENT) adif::AppendTag(r, adif::kQSLSent, QSLLetters[1]);
    if (FConfig.QSL_RCVD) adif::AppendTag(r, adif::kQSLRcvd, QSLLetters[1]);
    if (FConfig.ContestIdOutput == 0)
        adif::AppendTag(r, adif::kContestId, CategoryName(CabrilloContestNames, FContestLog.Contest()));
    adif::AppendTag(r, adif::kEOR, "");
    return r;
}

}  // namespace qz
