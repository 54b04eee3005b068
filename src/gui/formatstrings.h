// Language strings of the import and export dialogs (column allocation, ADIF
// configuration, column layouts, NA template) and of the export commands they add.
#pragma once

namespace qz::gui::fmt {
// Named by the dialogs' descriptions.
inline constexpr int lsOverwrite = 28;
inline constexpr int lsFileTooShort = 42;
inline constexpr int lsKeyTitle = 85;
inline constexpr int lsKeywordTitle = 86;
inline constexpr int lsCancel = 87;
inline constexpr int lsDeleteLayout = 218;
inline constexpr int lsNewLayoutCaption = 222;
inline constexpr int lsNewLayoutPrompt = 223;
inline constexpr int lsSaveFormatList = 224;
inline constexpr int lsInsertUnsaved = 226;
inline constexpr int lsSaveChangedLayouts = 227;
inline constexpr int lsRenameCaption = 229;
inline constexpr int lsRenamePrompt = 230;
inline constexpr int lsExportFailed = 245;
inline constexpr int lsWarning = 293;
inline constexpr int lsDBaseFilter = 333;
inline constexpr int lsASCIIFilter = 288;
inline constexpr int lsAllFilesFilter = 377;
inline constexpr int lsTemplateMissing1 = 335;
inline constexpr int lsTemplateFilter = 336;
inline constexpr int lsTemplateMissing2 = 337;
inline constexpr int lsTemplateFromList = 338;
inline constexpr int lsTemplateFromFile = 339;
inline constexpr int lsError = 348;
inline constexpr int lsChooseFile = 378;
inline constexpr int lsADIFFieldTitle = 454;
// Column titles of the log (date, time, band, mode, call, RSTs, numbers).
inline constexpr int lsDate = 45;
inline constexpr int lsTime = 46;
inline constexpr int lsBand = 47;
inline constexpr int lsMode = 48;
inline constexpr int lsCall = 49;
inline constexpr int lsSentRST = 50;
inline constexpr int lsSentNumber = 51;
inline constexpr int lsRcvdRST = 52;
inline constexpr int lsRcvdNumber = 53;

// The dialogs' own texts. Where two texts share a line ("first|second") they are read
// with LSCaption and LSHint.
inline constexpr int lsExportDBase = 1030;
inline constexpr int lsADIFConfigCommand = 1031;  // also the dialog's title, without "&" and "..."
inline constexpr int lsOrderBoxes = 1032;         // QSO columns | QTC columns
inline constexpr int lsImportMenu = 1033;
inline constexpr int lsImportAutoDetect = 1034;
inline constexpr int lsTimeFormat = 1035;  // time format | contest identifier
inline constexpr int lsImportCabrillo = 1036;
inline constexpr int lsContestIdWhere = 1037;   // every QSO | the file header
inline constexpr int lsRestoreDefaults = 1038;  // restore defaults | example
inline constexpr int lsImportSTF = 1039;
inline constexpr int lsBadADIFField = 1040;
inline constexpr int lsLayoutNew = 1041;  // new layout | stored layout
inline constexpr int lsImportADIF = 1042;
inline constexpr int lsLayoutInsert = 1043;
inline constexpr int lsLayoutSave = 1044;
inline constexpr int lsLayoutDelete = 1045;
inline constexpr int lsLayoutRename = 1046;
inline constexpr int lsLayoutClear = 1047;
inline constexpr int lsFileExtension = 1048;
inline constexpr int lsFromTo = 1049;       // first column | last column
inline constexpr int lsLinesToRead = 1050;  // lines to read | tab width
inline constexpr int lsImportASCII = 1051;
inline constexpr int lsFirstLineValues = 1052;  // values of the first line | the lines are
inline constexpr int lsImportCT = 1053;
inline constexpr int lsGridHint = 1054;
inline constexpr int lsBadLayoutName = 1055;  // bad name | name taken
inline constexpr int lsImportNA = 1056;
inline constexpr int lsBadExtension = 1057;  // bad extension | bad columns
inline constexpr int lsImportQW = 1058;
inline constexpr int lsDay = 1059;  // day|month|year|hour|minute, split at "|"
}  // namespace qz::gui::fmt
