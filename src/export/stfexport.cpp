// Writes a compiled log as STF. Every data field goes through FormatField, so an empty
// value becomes "-" and the tokens of a row always line up with the order line.
#include "export/stfexport.h"

#include "base/datetime.h"
#include "base/options.h"
#include "base/text.h"

namespace qz {

namespace {

constexpr std::string_view kSTFSpecAddress = "https://www.quorvel.example/qz/stf.html";

std::string NumberedKey(std::string_view key, int i) {
    return i == 1 ? std::string(key) : std::string(key) + std::to_string(i);
}

}  // namespace

TSTFExportSettings TSTFExportSettings::FromOptions() {
    TSTFExportSettings s;
    s.OutputCty = Options.Export_STF_OutputCty.oValue;
    s.AddComments = Options.Export_STF_AddComments.oValue;
    s.WrittenAt = NowLocal();
    return s;
}

TSTFExport::TSTFExport(const TContestLog& contestLog) : TSTFExport(contestLog, TSTFExportSettings::FromOptions()) {}

TSTFExport::TSTFExport(const TContestLog& contestLog, const TSTFExportSettings& settings)
    : TExport(contestLog), FSettings(settings) {}

void AddKeyLines(std::vector<std::string>& lines, std::string_view key, std::string_view text) {
    std::vector<std::string> parts = HeaderTextLines(text);
    if (parts.empty()) parts.emplace_back();
    for (const auto& part : parts) lines.push_back(KeyValueLine(key, LineSafe(part)));
}

std::string STFTimeStamp(TDateTime when) {
    CivilDate d = DecodeDate(when);
    CivilTime t = DecodeTime(when);
    return Format("%.4d-%.2d-%.2d %.2d:%.2d:%.2d", d.year, d.month, d.day, t.hour, t.minute, t.second);
}

void TSTFExport::ExportLog(std::vector<std::string>& lines) {
    lines.clear();
    lines.reserve(static_cast<std::size_t>(FContestLog.NoOfQSOs()) + 40);
    lines.emplace_back("STF1");
    lines.push_back("# BinVersion \"" + std::string(kWriterProgramName) + std::string(kWriterBanner) + "\"");
    lines.push_back("# Data written \"" + STFTimeStamp(FSettings.WrittenAt) + "\"");
    lines.push_back("# STF specs at " + std::string(kSTFSpecAddress));
    lines.emplace_back();
    lines.emplace_back("Header");
    AddHeader(lines);
    lines.emplace_back("EndHeader");
    lines.emplace_back();
    lines.emplace_back("QSOList");
    AddRows(lines, 0);
    lines.emplace_back("EndQSOList");
    if (!FContestLog.IsAQTCContest()) return;
    if (FContestLog.NoOfSentQTCs() > 0) {
        lines.emplace_back();
        lines.emplace_back("QTCSent");
        AddRows(lines, 1);
        lines.emplace_back("EndQTCSent");
    }
    if (FContestLog.NoOfRcvdQTCs() > 0) {
        lines.emplace_back();
        lines.emplace_back("QTCRcvd");
        AddRows(lines, 2);
        lines.emplace_back("EndQTCRcvd");
    }
}

void TSTFExport::AddHeader(std::vector<std::string>& lines) {
    const TFileHeader& h = FContestLog.FileHeader();
    const bool qtcContest = FContestLog.IsAQTCContest();
    lines.push_back(KeyValueLine("Contest", CategoryName(CabrilloContestNames, h.fhContest_Contest)));
    lines.push_back(KeyValueLine("MyCall", JoinHeaderText(h.fhUser_OwnCall)));
    lines.push_back(KeyValueLine("Category", Category()));
    lines.push_back(KeyValueLine("Name", JoinHeaderText(h.fhUser_Name)));
    AddKeyLines(lines, "MailAddress", h.fhUser_Address);
    lines.push_back(KeyValueLine("EMail", JoinHeaderText(h.fhUser_EMail)));
    lines.push_back(KeyValueLine("ClaimedQso", std::to_string(FContestLog.Result().NoOfAllGoodQSOs())));
    if (qtcContest) lines.push_back(KeyValueLine("ClaimedQtc", std::to_string(FContestLog.Result().NoOfAllGoodQTCs())));
    lines.push_back(KeyValueLine("ClaimedDupes", std::to_string(FContestLog.Result().NoOfAllDupes())));
    lines.push_back(KeyValueLine("ClaimedPts", std::to_string(FContestLog.Result().AllPoints())));
    for (int i = 1; i <= FContestLog.NoOfMulties(); ++i)
        lines.push_back(KeyValueLine(NumberedKey("ClaimedMult", i),
                                     std::to_string(FContestLog.GetNoOfAllCalculatedMulties(i - 1))));
    lines.push_back(KeyValueLine("ClaimedScore", std::to_string(FContestLog.GetFinalResult())));
    lines.push_back(KeyValueLine("Equipment", JoinHeaderText(h.fhUser_Station)));
    lines.push_back(KeyValueLine("Power", JoinHeaderText(h.fhUser_Power)));
    lines.push_back(KeyValueLine("Operators", JoinHeaderText(h.fhContest_OperatorList)));
    lines.push_back(KeyValueLine("Club", JoinHeaderText(h.fhUser_Club)));
    lines.push_back(KeyValueLine("Specific", JoinHeaderText(h.fhUser_Specific)));
    AddKeyLines(lines, "Soapbox", h.fhContest_SoapBox);
    lines.push_back(KeyValueLine("QsoOrder", QsoOrder()));
    if (qtcContest) lines.push_back(KeyValueLine("QtcOrder", QtcOrder()));
}

std::string TSTFExport::Category() {
    std::string special = FContestLog.GetSpecialSTFCategory();
    if (!special.empty()) return JoinHeaderText(special);
    const TFileHeader& h = FContestLog.FileHeader();
    std::vector<std::string> parts = {CategoryName(CategoryOperatorNames, h.fhContest_CategoryOperator),
                                      CategoryName(CategoryTransmitterNames, h.fhContest_CategoryTransmitter),
                                      CategoryName(CategoryAssistedNames, h.fhContest_CategoryAssisted),
                                      CategoryName(CategoryPowerNames, h.fhContest_CategoryPower),
                                      CategoryName(CategoryStationNames, h.fhContest_CategoryStation)};
    if (FContestLog.ShowOverlayInCategory() && h.fhContest_CategoryOverlay != coNone)
        parts.push_back(CategoryName(CategoryOverlayNames, h.fhContest_CategoryOverlay));
    if (FContestLog.ShowTimeInCategory() && h.fhContest_CategoryTime != ctmNone)
        parts.push_back(CategoryName(CategoryTimeNames, h.fhContest_CategoryTime));
    parts.push_back(CategoryBandValue(FContestLog));
    if (FContestLog.ShowModeInCategory()) parts.push_back(CategoryModeValue(FContestLog));
    // A part without a value (the band of a log without lines) leaves no double blank.
    std::string value;
    for (const auto& p : parts) {
        if (p.empty()) continue;
        if (!value.empty()) value += ' ';
        value += p;
    }
    return value;
}

std::string TSTFExport::QsoOrder() const {
    std::string order = "Date Time Band Mode Call SRst ";
    for (int i = 1; i <= FContestLog.NoOfSentNumbers(); ++i) order += NumberedKey("Sent", i) + " ";
    order += "RRst ";
    for (const auto& c : FContestLog.Columns())
        if (c.ColumnProperty == cpRcvdNumber && c.QSO_QTC.Contains(qqQSO)) order += c.STFOrderKeyWord + " ";
    for (int i = 1; i <= FContestLog.NoOfMulties(); ++i) order += NumberedKey("Mult", i) + " ";
    order += "Pts";
    if (FSettings.OutputCty) order += " Cty";
    return order;
}

std::string TSTFExport::QtcOrder() const {
    std::string order = "Date Time Band Mode Call ";
    for (const auto& c : FContestLog.Columns())
        if (c.ColumnProperty == cpRcvdNumber && c.QSO_QTC.Contains(qqQTC)) order += c.STFOrderKeyWord + " ";
    return order + "Pts";
}

void TSTFExport::AddRows(std::vector<std::string>& lines, int qtcKind) {
    for (int i = 0; i < FContestLog.NoOfQSOs(); ++i) {
        const TQSO* q = FContestLog.QSOs(i);
        if (q->QTCKind() != qtcKind) continue;
        lines.push_back(ExportSingleQSO(i));
        if (FSettings.AddComments)
            for (const auto& c : q->Comment()) lines.push_back("# " + LineSafe(c));
    }
}

std::string TSTFExport::ExportSingleQSO(int index) {
    const TQSO* q = FContestLog.QSOs(index);
    if (!q) return {};
    const CivilDate d = DecodeDate(q->DateTime());
    const CivilTime t = DecodeTime(q->DateTime());
    const std::string band = CategoryName(STFBandNames, q->Band());
    const std::string mode = CategoryName(ModeNames, q->Mode());
    // Every value is one field and none is missing, so a row has exactly as many fields
    // as its order line, whatever another program put into a value.
    const std::string call = FormatField("%s", FieldSafe(q->Call().Call()));
    const bool deleted = q->QSOFlags().Contains(qfUserDeleted);
    const int r = FContestLog.NoOfRcvdNumbers();

    if (q->IsQTC()) {
        std::string row = Format("%.4d%.2d%.2d %.2d%.2d %-5s %-6s %-12s", d.year, d.month, d.day, t.hour, t.minute,
                                 band.c_str(), mode.c_str(), call.c_str());
        for (int i = 0; i < r; ++i)
            if (FContestLog.IsAQTCRcvdNumber(i)) row += FormatField(" %-12s", FieldSafe(q->RcvdNumbers(i)));
        if (deleted) {
            // The "C" follows the last field's filling blanks; a field that fills its
            // width gets a blank first, so the mark never joins the value.
            if (row.back() != ' ') row += ' ';
            row += 'C';
        } else {
            row += Format(" %-2d", q->Points());
        }
        return row;
    }

    std::string row =
        Format("%.4d%.2d%.2d %.2d%.2d %-5s %-6s %-12s %-3s", d.year, d.month, d.day, t.hour, t.minute, band.c_str(),
               mode.c_str(), call.c_str(), FormatField("%s", FieldSafe(q->SentRST())).c_str());
    for (int i = 0; i < FContestLog.NoOfSentNumbers(); ++i) row += FormatField(" %-6s", FieldSafe(q->SentNumbers(i)));
    row += FormatField(" %-3s", FieldSafe(q->RcvdRST()));
    for (int i = 0; i < r; ++i)
        if (!FContestLog.IsAQTCRcvdNumber(i)) row += FormatField(" %-6s", FieldSafe(q->RcvdNumbers(i)));
    for (int i = 0; i < FContestLog.NoOfMulties(); ++i) row += FormatField(" %-6s", FieldSafe(q->Multies(i)));
    row += deleted ? FormatField(" %-2s", "C") : Format(" %-2d", q->Points());
    if (FSettings.OutputCty) row += FormatField(" %-6s", FieldSafe(q->Call().CtyMasterPrefix()));
    return row;
}

}  // namespace qz
