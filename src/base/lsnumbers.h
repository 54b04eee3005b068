// Names of the language-string numbers used in code: LS(lsCompileStarted) rather than
// LS(261). The number is the line of the language file (counted from 0); the English
// text of each line is in data/lang/eng.lsl. Add a name here before using a new number.
#pragma once

namespace qz {

// The number of strings a language file must hold: the highest number any front end
// uses (the result overview's points heading, 1202) plus one. A shorter file would blank the texts and
// error reasons past its end.
inline constexpr int kLanguageStringsUsed = 1241;

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
inline constexpr int lsPointsWord = 1120;           // "Points" (after the final result)
inline constexpr int lsUnknownRegion = 263;         // "Unknown region or abbreviation"
inline constexpr int lsInvalidZone = 267;           // "Invalid zone"
inline constexpr int lsSameSideWAEQSO = 268;        // "Only QSOs between European and non-European ..."
inline constexpr int lsNoCountry = 270;             // "No country found for"
inline constexpr int lsTooManyQTCs = 271;           // "More than ten QTCs with this station"
inline constexpr int lsQTCSameContinent = 273;      // "QTCs count only with a station on another continent"
inline constexpr int lsQTCStationNotWorked = 274;   // "QTC with a station not worked before"
inline constexpr int lsQTCFromEurope = 276;         // "On CW and SSB only non-European stations send QTCs"
inline constexpr int lsQTCRepeated = 277;           // "This QSO was already reported in a QTC ..."
inline constexpr int lsWarning = 293;               // "Warning": caption and prefix of a rejection
inline constexpr int lsInvalidIOTAReference = 307;  // "Invalid IOTA reference"
inline constexpr int lsNotEuropean = 324;           // "is not a European station"
inline constexpr int lsInvalidLicenceYear = 325;    // "Invalid licence year"
inline constexpr int lsNotAllowed = 341;            // "is not allowed in this contest"
inline constexpr int lsMode = 400;                  // "Mode"
inline constexpr int lsAskYLOrOM = 645;             // "Are you a YL? (Yes: YL, No: OM)"

// Import.
inline constexpr int lsLine = 389;                // "line"
inline constexpr int lsASCIIImportReport = 390;   // "ASCII import. Lines without a valid call:"
inline constexpr int lsQTCWithoutOwnCall = 396;   // "is a QTC line without the own call ..."
inline constexpr int lsUnknownCTVersion = 34;     // "Unknown CT file version:"
inline constexpr int lsFileTooShort = 42;         // "File too short."
inline constexpr int lsNAUnusualLength = 294;     // "has an unusual length for an NA log. Read it anyway?"
inline constexpr int lsNATemplateFile = 335;      // "The template file"
inline constexpr int lsNATemplateNotFound = 337;  // "was not found. Choose the template ..."
inline constexpr int lsQWUnusualLength = 340;     // "has an unusual length for a QW log. Read it anyway?"

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

// Column titles, exchange prompts and rule messages of the contests.
inline constexpr int lsColDate = 45;               // Date column
inline constexpr int lsColTime = 46;               // Time column
inline constexpr int lsColMode = 48;               // Mode column
inline constexpr int lsColCall = 49;               // Call column
inline constexpr int lsColSentRST = 50;            // sent RST column
inline constexpr int lsColSentNumber = 51;         // sent number column
inline constexpr int lsColRcvdRST = 52;            // received RST column
inline constexpr int lsColRcvdNumber = 53;         // received number column
inline constexpr int lsColMulti1 = 54;             // first multiplier column
inline constexpr int lsColMulti2 = 55;             // second multiplier column
inline constexpr int lsColPoints = 56;             // Points column
inline constexpr int lsColFlags = 57;              // Flags column
inline constexpr int lsColNr = 59;                 // line number column
inline constexpr int lsColQSOOrQTC = 60;           // QSO/QTC kind column
inline constexpr int lsColSerial = 61;             // serial number column
inline constexpr int lsColQTCGroup = 62;           // QTC group column
inline constexpr int lsColQTCTime = 63;            // QTC time column
inline constexpr int lsColQTCCall = 64;            // QTC call column
inline constexpr int lsColQTCSerial = 65;          // QTC serial column
inline constexpr int lsColPower = 98;              // power column and prompt
inline constexpr int lsColSentExchange = 109;      // sent exchange column and prompt
inline constexpr int lsColRcvdExchange = 110;      // received exchange column
inline constexpr int lsColPrefixMulti = 111;       // prefix multiplier column
inline constexpr int lsColSentMember = 113;        // sent member number column and prompt
inline constexpr int lsColRcvdMember = 114;        // received member number column
inline constexpr int lsColDOK = 201;               // DOK column and prompt
inline constexpr int lsColDOKLetterMulti = 202;    // DOK-letter multiplier column
inline constexpr int lsColSentDOK = 213;           // sent DOK column
inline constexpr int lsColRcvdDOK = 214;           // received DOK column
inline constexpr int lsColStateProvince = 252;     // state/province column
inline constexpr int lsOwnStatePrompt = 253;       // own state prompt
inline constexpr int lsColMemberMulti = 254;       // member multiplier column
inline constexpr int lsColAAExchange = 259;        // All Asian exchange column and prompt
inline constexpr int lsNotWVE = 264;               // not a W or VE station
inline constexpr int lsNotDL = 265;                // not a DL station
inline constexpr int lsInvalidDOK = 266;           // invalid DOK
inline constexpr int lsNotAsian = 269;             // not an Asian station
inline constexpr int lsColDistrict = 275;          // district column and prompt
inline constexpr int lsNotOKOM = 278;              // not an OK/OM station
inline constexpr int lsUnknownDistrict = 279;      // unknown district
inline constexpr int lsColVoivodeship = 295;       // voivodeship column and prompt
inline constexpr int lsNotSP = 296;                // not an SP station
inline constexpr int lsNotPA = 297;                // not a PA station
inline constexpr int lsSPWorkedSP = 298;           // SP-SP contact not valid
inline constexpr int lsColProvince = 300;          // province column and prompt
inline constexpr int lsColIOTACWMulti = 303;       // IOTA CW multiplier column
inline constexpr int lsColIOTASSBMulti = 304;      // IOTA SSB multiplier column
inline constexpr int lsColOwnIOTA = 305;           // own IOTA reference column and prompt
inline constexpr int lsColRcvdIOTA = 306;          // received IOTA reference column
inline constexpr int lsColYVDistrictMulti = 308;   // YV district multiplier column
inline constexpr int lsColLZDistrict = 309;        // LZ district column
inline constexpr int lsNotOceania = 310;           // not an Oceania station
inline constexpr int lsNotScandinavian = 311;      // not a Scandinavian station
inline constexpr int lsColSACDistrictMulti = 312;  // SAC district multiplier column
inline constexpr int lsColJAPrefecture = 313;      // JA prefecture column
inline constexpr int lsNotJapanese = 314;          // not a Japanese station
inline constexpr int lsColARRLSection = 316;       // ARRL section column
inline constexpr int lsColCountyMember = 318;      // county/member column and prompt
inline constexpr int lsColOblastMulti = 319;       // oblast multiplier column
inline constexpr int lsColHKDistrictMulti = 320;   // HK district multiplier column
inline constexpr int lsColCanton = 321;            // canton column and prompt
inline constexpr int lsNotHB = 322;                // not an HB station
inline constexpr int lsColEUHFExchange = 323;      // EUHF exchange column and prompt
inline constexpr int lsOKOMWorkedOKOM = 326;       // OK/OM station worked an OK/OM station
inline constexpr int lsColPowerClass = 327;        // power class column
inline constexpr int lsPowerClassPrompt = 328;     // power class prompt
inline constexpr int lsInvalidPowerClass = 329;    // invalid power class
inline constexpr int lsColHSCMember = 334;         // HSC member column
inline constexpr int lsUnknownOblast = 414;        // unknown oblast
inline constexpr int lsColOwnLocator = 479;        // own locator column and prompt
inline constexpr int lsColRcvdLocator = 480;       // received locator column
inline constexpr int lsColDTCExchange = 484;       // DTC exchange column and prompt
inline constexpr int lsDTCNeedsDL = 485;           // DTC contact needs a DL station
inline constexpr int lsColOwnTOPSMember = 544;     // own TOPS member column and prompt
inline constexpr int lsColRcvdTOPSMember = 545;    // received TOPS member column
inline constexpr int lsSameCountryInvalid = 615;   // same country not valid
inline constexpr int lsColRookieSent1 = 616;       // rookie first sent column
inline constexpr int lsColRookieSent2 = 617;       // rookie second sent column
inline constexpr int lsColRookieRcvd1 = 618;       // rookie first received column
inline constexpr int lsColRookieRcvd2 = 619;       // rookie second received column
inline constexpr int lsColRookieMulti = 620;       // rookie multiplier column
inline constexpr int lsRookieOutsideDL = 621;      // rookie station outside DL
inline constexpr int lsRookieBadLetter = 622;      // rookie: bad district letter
inline constexpr int lsRookieBadNumber = 623;      // rookie: bad licence number
inline constexpr int lsRookiePrompt1 = 624;        // rookie first prompt
inline constexpr int lsRookiePrompt2 = 625;        // rookie second prompt
inline constexpr int lsColVFDBLocatorMulti = 632;  // VFDB locator multiplier column
inline constexpr int lsColCQMMPrefixMulti = 635;   // CQMM prefix multiplier column
inline constexpr int lsColBucurestiSent2 = 636;    // Bucuresti second sent column
inline constexpr int lsColBucurestiRcvd2 = 637;    // Bucuresti second received column
inline constexpr int lsColCountyMulti = 638;       // county multiplier column and prompt
inline constexpr int lsColCcTLDMulti = 639;        // ccTLD multiplier column
inline constexpr int lsBucurestiDXPrompt = 640;    // Bucuresti DX prompt
inline constexpr int lsQRPClassPrompt = 641;       // QRP-QRP class prompt
inline constexpr int lsNotDutch = 642;             // not a Dutch station
inline constexpr int lsColYLExchange = 643;        // YL exchange column and prompt
inline constexpr int lsColYLOM = 644;              // YL/OM column
inline constexpr int lsColOKCallMulti = 646;       // OK-call multiplier column

// Sending logs by e-mail and the journal of sent messages.
inline constexpr int lsCancel = 87;                    // "Cancel"
inline constexpr int lsContest = 91;                   // "Contest"
inline constexpr int lsExportBeforeSending = 387;      // "The log has not been exported yet. ..."
inline constexpr int lsRobotAddress = 388;             // "Log robot address"
inline constexpr int lsRobotAddressListMissing = 391;  // "Cannot read the robot address list"
inline constexpr int lsSendLogTitle = 555;             // "Send log by e-mail"
inline constexpr int lsAttachment = 556;               // "Attachment"
inline constexpr int lsMessageNotKept = 581;           // "The message could not be kept in the e-mail folder."
inline constexpr int lsMailSent = 582;                 // "The e-mail was sent."
inline constexpr int lsMessageKeptAs = 583;            // "A copy was kept as"
inline constexpr int lsSendingFailed = 584;            // "Sending failed"
inline constexpr int lsNotSTFOrCabrillo = 585;         // "is neither an STF nor a Cabrillo file. Send it anyway?"
inline constexpr int lsStoreRobotAddress = 586;        // "Store this recipient as the log robot address ..."
inline constexpr int lsSMTPSettingsMissing = 587;      // "Please enter the SMTP server and the sender address ..."
inline constexpr int lsClose = 596;                    // "Close"
inline constexpr int lsJournalFile = 597;              // "File"
inline constexpr int lsJournalDate = 598;              // "Date"
inline constexpr int lsJournalCall = 599;              // "Call"
inline constexpr int lsSentMailTitle = 600;            // "Sent e-mail"
inline constexpr int lsMailUnconfirmed = 776;          // "the server took the whole message but did not confirm ..."
inline constexpr int lsMailRefused = 777;              // "the server refused the message; ... Its answer:"
inline constexpr int lsServerAnswered = 778;           // "the server answered:"
inline constexpr int lsMailStalled = 779;              // "the server stopped taking the message (time-out); ..."

// The result report and the comment summary.
inline constexpr int lsResultOverviewOf = 1121;     // "Result overview of"
inline constexpr int lsResultColumnTitles = 1122;   // "Good  Invalid Dupe  Deleted" (over the QSO counts)
inline constexpr int lsFinalResult = 1123;          // "Final result ="
inline constexpr int lsResultAllBands = 1201;       // "all" (the row of all bands, at most 5 characters)
inline constexpr int lsResultPointsHeading = 1202;  // "Pts" (3 characters)
inline constexpr int lsCommentSummaryOf = 1124;     // "QSO comment summary (Crosscheck/UBN report) of"
inline constexpr int lsNoComments = 1125;           // "[no QSO comments available]"

}  // namespace qz
