// The settings record: every user setting that the core reads, with the name it is
// kept under in the settings store and its default. `Options` is set up with the
// defaults; front ends load it from the store at start-up, before other threads run.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace qz {

class TSettingsStore;

struct TBoolOption {
    std::string oRegistryName;
    bool oDefaultValue;
    bool oValue;
};

struct TIntegerOption {
    std::string oRegistryName;
    std::int32_t oDefaultValue;
    std::int32_t oValue;
};

struct TStringOption {
    std::string oRegistryName;
    std::string oDefaultValue;
    std::string oValue;
};

// Stored scrambled, never as plain text.
struct TPasswordOption : TStringOption {};

enum TFontStyle : std::uint8_t { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };

struct TSlimmedFont {
    std::int32_t sfSize = 8;
    std::string sfName = "MS Sans Serif";
    std::uint8_t sfStyle = 0;  // TFontStyle bits
};

struct TOptions {
    TBoolOption Import_STF_ShowAllocationDialog{"Import_STF_ShowAllocationDialog", false, false};
    TBoolOption Import_IgnoreDefaultPaths{"Import_IgnoreDefaultPaths", false, false};
    TBoolOption Import_SaveAsCallsign{"Import_SaveAsCallsign", false, false};
    TBoolOption Import_ASCII_AcceptLettersAndFigsOnly{"Import_ASCII_AcceptLettersAndFigsOnly", true, true};
    TBoolOption Import_BIN_Look4QTCFile{"Import_BIN_Look4QTCFile", true, true};
    TBoolOption Export_ADIF_ShowConfigDialog{"Export_ADIF_ShowConfigDialog", false, false};
    TBoolOption Export_STF_OutputCty{"Export_STF_OutputCty", false, false};
    TBoolOption Export_STF_AddComments{"Export_STF_AddComments", false, false};
    TBoolOption Editor_ColumnAutoWidth{"Editor_ColumnAutoWidth", true, true};
    // Fast append gives a new line the current UTC date and time, not the previous line's.
    TBoolOption Editor_RealTimeClock{"Editor_RealTimeClock", false, false};
    TBoolOption Compile_SortLog{"Compile_SortLog", true, true};
    TBoolOption Compile_RemoveEmptyQSOs{"Compile_RemoveEmptyQSOs", true, true};
    TBoolOption Compile_CancelQSOIfBandIsNotAllowed{"Compile_CancelQSOIfBandIsNotAllowed", true, true};
    TBoolOption Compile_CancelQSOIfModeIsNotAllowed{"Compile_CancelQSOIfModeIsNotAllowed", true, true};
    TIntegerOption EMail_Type{"EMail_Type", 0, 0};
    TStringOption EMail_SMTPHost{"EMail_SMTPHost", "", ""};
    TIntegerOption EMail_SMTPPort{"EMail_SMTPPort", 25, 25};
    TStringOption EMail_UserName{"EMail_UserName", "", ""};
    TPasswordOption EMail_Password{{"BlahBlah_BlubbBlubb", "", ""}};
    TStringOption EMail_Sender{"EMail_Sender", "", ""};
    TBoolOption EMail_SendACopyToMe{"EMail_SendACopyToMe", true, true};
    TStringOption Path_QZ_Logs{"Path_QZ_Logs", "QZ/QZ Logs", ""};
    TStringOption Path_Exported_Logs{"Path_Exported_Logs", "QZ/Exported logs", ""};
    TStringOption Path_EMails{"Path_EMails", "QZ/E-Mails", ""};
    TSlimmedFont Font_StringGrid;
    TSlimmedFont Font_OutputWindows;  // of the messages, result and export windows

    TOptions();
};

extern TOptions Options;

// The common documents folder: $XDG_DOCUMENTS_DIR, else ~/Documents.
std::string CommonDocumentsFolder();

// The SMTP ports the settings accept.
inline constexpr std::int32_t kMinSmtpPort = 1;
inline constexpr std::int32_t kMaxSmtpPort = 65535;

// Resets every field to its default, then takes each value the store holds. A value that
// is there but not of its kind or range (a hand-edited file: "EMail_SMTPPort=abc", a
// port of 0, a password that does not unscramble) keeps its default, and a note naming
// it goes to `notes`, or to standard error when `notes` is nullptr.
void LoadOptions(TOptions& options, const TSettingsStore& store, std::vector<std::string>* notes = nullptr);
// Writes every field into the store (the password scrambled).
void SaveOptions(const TOptions& options, TSettingsStore& store);
// Writes one font as "<prefix>_Font_Size", "<prefix>_Font_Name" and "<prefix>_Font_Style"
// ("Editor" for the grid font, "Output" for the output windows' font).
void WriteFont(TSettingsStore& store, const std::string& prefix, const TSlimmedFont& font);

}  // namespace qz
