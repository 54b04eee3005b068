// Names of the language-string numbers used in code: LS(lsCompileStarted) rather than
// LS(261). The number is the line of the language file (counted from 0); the English
// text of each line is in data/lang/eng.lsl. Add a name here before using a new number.
#pragma once

namespace qz {

// Files and saving.
inline constexpr int lsOverwriteExisting = 6;     // "already exists. Overwrite it?"
inline constexpr int lsUnknownFileType = 26;      // "is not a log file of a known format."
inline constexpr int lsTheFile = 27;              // "The file"
inline constexpr int lsOverwriteConfirm = 28;     // "already exists. Overwrite it?"
inline constexpr int lsRenameFailed = 29;         // "could not be renamed."
inline constexpr int lsCtyFileFilter = 192;       // file-dialog filter of country files
inline constexpr int lsCtyFileMissing = 195;      // "Country file missing or empty:"
inline constexpr int lsLogCreationFailed = 196;   // "The contest log could not be created."
inline constexpr int lsRenamedTo = 197;           // "was renamed to"
inline constexpr int lsFileNotFound = 198;        // "File not found:"
inline constexpr int lsConversionFailed = 245;    // "Conversion or export failed:"
inline constexpr int lsFileEmptyOrMissing = 280;  // "does not exist or is empty."
inline constexpr int lsLogFolderMissing = 653;    // "The log folder does not exist:"

// Contests, compiling and the line checks.
inline constexpr int lsBand = 47;                   // "Band"
inline constexpr int lsUnknownContest = 89;         // "Unknown contest"
inline constexpr int lsMemberListMissing = 117;     // "could not be read. Member numbers are ..."
inline constexpr int lsConstantSentExchange = 188;  // caption of the fixed-exchange question
inline constexpr int lsCompileStarted = 261;        // "Compiling the log ..."
inline constexpr int lsCompileDone = 262;           // "Done"
inline constexpr int lsUnknownRegion = 263;         // "Unknown region or abbreviation"
inline constexpr int lsInvalidZone = 267;           // "Invalid zone"
inline constexpr int lsSameSideWAEQSO = 268;        // "Only QSOs between European and non-European ..."
inline constexpr int lsNoCountry = 270;             // "No country found for"
inline constexpr int lsTooManyQTCs = 271;           // "More than ten QTCs with this station"
inline constexpr int lsWarning = 293;               // "Warning": caption and prefix of a rejection
inline constexpr int lsInvalidIOTAReference = 307;  // "Invalid IOTA reference"
inline constexpr int lsNotEuropean = 324;           // "is not a European station"
inline constexpr int lsInvalidLicenceYear = 325;    // "Invalid licence year"
inline constexpr int lsNotAllowed = 341;            // "is not allowed in this contest"
inline constexpr int lsMode = 400;                  // "Mode"
inline constexpr int lsAskYLOrOM = 645;             // "Are you a YL? (Yes: YL, No: OM)"

// Import.
inline constexpr int lsLine = 389;               // "line"
inline constexpr int lsASCIIImportReport = 390;  // "ASCII import. Lines without a valid call:"
inline constexpr int lsQTCWithoutOwnCall = 396;  // "is a QTC line without the own call ..."

// Log checks, undo and the clipboard.
inline constexpr int lsPasteSurplusNumbers = 203;    // "The pasted lines hold more sent or received numbers ..."
inline constexpr int lsCallExtendedTo = 272;         // "Call extended to"
inline constexpr int lsNumberNotHigher = 419;        // "Number is not higher than the previous one"
inline constexpr int lsNotANumber = 420;             // "is not a number"
inline constexpr int lsExtensionMissing = 430;       // "Call extension possibly missing:"
inline constexpr int lsValueChanged = 439;           // "Value differs from the previous one"
inline constexpr int lsNoMemberList = 449;           // "No member list loaded; member numbers cannot be checked."
inline constexpr int lsMemberNumberCorrected = 451;  // "Member number corrected"
inline constexpr int lsTenMinuteRule = 551;          // "Band change less than ten minutes after the previous one"
inline constexpr int lsNumbersMissing = 552;         // "Numbers missing before"
inline constexpr int lsMemberNumberDiffers = 553;    // "Member number differs from the member list:"
inline constexpr int lsNothingToUndo = 554;          // "There is nothing to undo."
inline constexpr int lsTimeShiftOutOfRange = 557;    // "The time shift would move a line outside the years ..."
inline constexpr int lsClipboardLine = 558;          // "Clipboard line"
inline constexpr int lsPasteFieldCount = 559;        // "not pasted: the number of fields does not fit"
inline constexpr int lsPasteUnreadable = 560;        // "not pasted: a value that cannot be read in column"
inline constexpr int lsPasteTooLong = 561;           // "not pasted: a value too long for the log in column"
inline constexpr int lsPasteMoreLines = 562;         // "more clipboard lines were not pasted."
inline constexpr int lsClipboardEmpty = 563;         // "The clipboard holds no log lines."
inline constexpr int lsPasteCommentTooLong = 564;    // "not pasted: the comment is too long for the log"

// Key names of shortcut texts: Backspace, Tab, Esc, Enter, then Space, PageUp, PageDown,
// End, Home, Left, Up, Right, Down for the key codes 32..40 in order, Ins, Del, and the
// modifier prefixes.
inline constexpr int lsKeyBackspace = 350;
inline constexpr int lsKeyTab = 351;
inline constexpr int lsKeyEsc = 352;
inline constexpr int lsKeyEnter = 353;
inline constexpr int lsKeySpace = 354;
inline constexpr int lsKeyInsert = 363;
inline constexpr int lsKeyDelete = 364;
inline constexpr int lsShiftModifier = 365;
inline constexpr int lsCtrlModifier = 366;
inline constexpr int lsAltModifier = 367;

}  // namespace qz
