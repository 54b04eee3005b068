#include "base/options.h"

#include <cstdlib>

#include "base/settingsstore.h"

namespace qz {

TOptions Options;

std::string CommonDocumentsFolder() {
    const char* d = std::getenv("XDG_DOCUMENTS_DIR");
    if (d && *d) return d;
    const char* home = std::getenv("HOME");
    return std::string(home ? home : "/tmp") + "/Documents";
}

TOptions::TOptions() {
    for (TStringOption* p : {&Path_QZ_Logs, &Path_Exported_Logs, &Path_EMails})
        p->oValue = CommonDocumentsFolder() + "/" + p->oDefaultValue;
}

namespace {

template <typename F>
void ForEachBool(TOptions& o, F f) {
    for (TBoolOption* b :
         {&o.Import_STF_ShowAllocationDialog, &o.Import_IgnoreDefaultPaths, &o.Import_SaveAsCallsign,
          &o.Import_ASCII_AcceptLettersAndFigsOnly, &o.Import_BIN_Look4QTCFile, &o.Export_ADIF_ShowConfigDialog,
          &o.Export_STF_OutputCty, &o.Export_STF_AddComments, &o.Editor_ColumnAutoWidth, &o.Compile_SortLog,
          &o.Compile_RemoveEmptyQSOs, &o.Compile_CancelQSOIfBandIsNotAllowed, &o.Compile_CancelQSOIfModeIsNotAllowed,
          &o.EMail_SendACopyToMe})
        f(*b);
}

}  // namespace

void LoadOptions(TOptions& o, const TSettingsStore& s) {
    o = TOptions();
    ForEachBool(o, [&](TBoolOption& b) { b.oValue = s.GetBool(kMainSection, b.oRegistryName, b.oDefaultValue); });
    for (TIntegerOption* i : {&o.EMail_Type, &o.EMail_SMTPPort})
        i->oValue = s.GetInteger(kMainSection, i->oRegistryName, i->oDefaultValue);
    for (TStringOption* t : {&o.EMail_SMTPHost, &o.EMail_UserName, &o.EMail_Sender})
        t->oValue = s.GetString(kMainSection, t->oRegistryName, t->oDefaultValue);
    for (TStringOption* p : {&o.Path_QZ_Logs, &o.Path_Exported_Logs, &o.Path_EMails})
        if (s.Has(kMainSection, p->oRegistryName)) p->oValue = s.GetString(kMainSection, p->oRegistryName, "");
    o.Font_StringGrid.sfSize = s.GetInteger(kMainSection, "Editor_Font_Size", 8);
    o.Font_StringGrid.sfName = s.GetString(kMainSection, "Editor_Font_Name", "MS Sans Serif");
    o.Font_StringGrid.sfStyle = static_cast<std::uint8_t>(s.GetInteger(kMainSection, "Editor_Font_Style", 0) & 15);
}

void SaveOptions(const TOptions& options, TSettingsStore& s) {
    TOptions o = options;
    ForEachBool(o, [&](TBoolOption& b) { s.SetBool(kMainSection, b.oRegistryName, b.oValue); });
    for (TIntegerOption* i : {&o.EMail_Type, &o.EMail_SMTPPort})
        s.SetInteger(kMainSection, i->oRegistryName, i->oValue);
    for (TStringOption* t : {&o.EMail_SMTPHost, &o.EMail_UserName, &o.EMail_Sender, &o.Path_QZ_Logs,
                             &o.Path_Exported_Logs, &o.Path_EMails})
        s.SetString(kMainSection, t->oRegistryName, t->oValue);
    s.SetInteger(kMainSection, "Editor_Font_Size", o.Font_StringGrid.sfSize);
    s.SetString(kMainSection, "Editor_Font_Name", o.Font_StringGrid.sfName);
    s.SetInteger(kMainSection, "Editor_Font_Style", o.Font_StringGrid.sfStyle);
}

}  // namespace qz
