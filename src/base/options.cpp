#include "base/options.h"

#include <cstdlib>
#include <iostream>

#include "base/encoding.h"
#include "base/passwordscramble.h"
#include "base/settingsstore.h"
#include "base/text.h"

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
          &o.EMail_SendACopyToMe, &o.Editor_RealTimeClock})
        f(*b);
}

// Reads the values of one store and notes those that are there but unusable.
class TOptionReader {
public:
    TOptionReader(const TSettingsStore& store, std::vector<std::string>& notes) : FStore(store), FNotes(notes) {}

    bool Has(const std::string& name) const { return FStore.Has(kMainSection, name); }
    std::string Raw(const std::string& name) const { return FStore.GetString(kMainSection, name, ""); }

    void Note(const std::string& name, const std::string& what, const std::string& def) {
        FNotes.push_back("settings: " + name + "=" + PrintableText(Raw(name)) + " " + what + "; the default " + def +
                         " is used");
    }

    bool Bool(const std::string& name, bool def) {
        if (!Has(name)) return def;
        const std::string v = Trim(Raw(name));
        if (v == "1" || SameText(v, "true")) return true;
        if (v == "0" || SameText(v, "false")) return false;
        Note(name, "is not 0 or 1", def ? "1" : "0");
        return def;
    }

    std::int32_t Integer(const std::string& name, std::int32_t def, std::int32_t min, std::int32_t max) {
        if (!Has(name)) return def;
        std::int32_t v = 0;
        if (TryStrToInt(Trim(Raw(name)), v) && v >= min && v <= max) return v;
        Note(name, "is not a whole number from " + std::to_string(min) + " to " + std::to_string(max),
             std::to_string(def));
        return def;
    }

    // Texts of one line (a hand-edited value cannot hold a line break that way, but an
    // escaped one could).
    std::string Text(const std::string& name, const std::string& def) {
        if (!Has(name)) return def;
        const std::string v = Raw(name);
        for (char c : v)
            if (static_cast<unsigned char>(c) < 0x20) {
                Note(name, "holds control characters", def.empty() ? "(empty)" : def);
                return def;
            }
        return v;
    }

private:
    const TSettingsStore& FStore;
    std::vector<std::string>& FNotes;
};

// A font is stored as three values, "<prefix>_Font_Size", "..._Name" and "..._Style";
// they count only together: any of them missing or unusable leaves `font` as it was.
void ReadFont(const TSettingsStore& s, const std::string& prefix, TSlimmedFont& font, std::vector<std::string>& notes) {
    TSlimmedFont read;
    std::vector<std::string> fontNotes;
    TOptionReader f(s, fontNotes);
    const std::string size = prefix + "_Font_Size", name = prefix + "_Font_Name", style = prefix + "_Font_Style";
    read.sfSize = f.Integer(size, 8, 4, 72);
    read.sfName = f.Text(name, "MS Sans Serif");
    read.sfStyle = static_cast<std::uint8_t>(f.Integer(style, 0, 0, 15));
    if (Trim(read.sfName).empty()) fontNotes.push_back("settings: " + name + " is empty; the default font is used");
    if (fontNotes.empty() && f.Has(size) && f.Has(name) && f.Has(style)) font = read;
    notes.insert(notes.end(), fontNotes.begin(), fontNotes.end());
}

}  // namespace

void LoadOptions(TOptions& o, const TSettingsStore& s, std::vector<std::string>* notesOut) {
    o = TOptions();
    std::vector<std::string> notes;
    TOptionReader r(s, notes);
    ForEachBool(o, [&](TBoolOption& b) { b.oValue = r.Bool(b.oRegistryName, b.oDefaultValue); });
    o.EMail_Type.oValue = r.Integer(o.EMail_Type.oRegistryName, o.EMail_Type.oDefaultValue, 0, 1);
    o.EMail_SMTPPort.oValue =
        r.Integer(o.EMail_SMTPPort.oRegistryName, o.EMail_SMTPPort.oDefaultValue, kMinSmtpPort, kMaxSmtpPort);
    for (TStringOption* t : {&o.EMail_SMTPHost, &o.EMail_UserName, &o.EMail_Sender})
        t->oValue = r.Text(t->oRegistryName, t->oDefaultValue);
    for (TStringOption* p : {&o.Path_QZ_Logs, &o.Path_Exported_Logs, &o.Path_EMails})
        if (r.Has(p->oRegistryName)) {
            const std::string v = r.Text(p->oRegistryName, p->oValue);
            if (!v.empty()) p->oValue = v;
            else r.Note(p->oRegistryName, "names no folder", p->oValue);
        }
    const std::string& passwordName = o.EMail_Password.oRegistryName;
    if (r.Has(passwordName) && !UnscramblePassword(Trim(r.Raw(passwordName)), o.EMail_Password.oValue))
        notes.push_back("settings: " + passwordName + ": Internal error: decoding failed. The password is empty.");
    ReadFont(s, "Editor", o.Font_StringGrid, notes);
    ReadFont(s, "Output", o.Font_OutputWindows, notes);

    if (notesOut) notesOut->insert(notesOut->end(), notes.begin(), notes.end());
    else
        for (const std::string& n : notes) std::cerr << "qz: " << n << "\n";
}

void SaveOptions(const TOptions& options, TSettingsStore& s) {
    TOptions o = options;
    ForEachBool(o, [&](TBoolOption& b) { s.SetBool(kMainSection, b.oRegistryName, b.oValue); });
    for (TIntegerOption* i : {&o.EMail_Type, &o.EMail_SMTPPort})
        s.SetInteger(kMainSection, i->oRegistryName, i->oValue);
    for (TStringOption* t : {&o.EMail_SMTPHost, &o.EMail_UserName, &o.EMail_Sender, &o.Path_QZ_Logs,
                             &o.Path_Exported_Logs, &o.Path_EMails})
        s.SetString(kMainSection, t->oRegistryName, t->oValue);
    s.SetString(kMainSection, o.EMail_Password.oRegistryName, ScramblePassword(o.EMail_Password.oValue));
    WriteFont(s, "Editor", o.Font_StringGrid);
    WriteFont(s, "Output", o.Font_OutputWindows);
}

void WriteFont(TSettingsStore& s, const std::string& prefix, const TSlimmedFont& font) {
    s.SetInteger(kMainSection, prefix + "_Font_Size", font.sfSize);
    s.SetString(kMainSection, prefix + "_Font_Name", font.sfName);
    s.SetInteger(kMainSection, prefix + "_Font_Style", font.sfStyle);
}

}  // namespace qz
