// Language strings of the options dialog, the send and login dialogs, the e-mail
// journal and the finalize dialog. A line that holds a list ("Import|Export|...") is
// read part by part with LSPart.
#pragma once

#include <QString>

#include "gui/qtext.h"

namespace qz::gui::ui {

inline constexpr int lsCmdOptions = 980;
inline constexpr int lsCmdEMailJournal = 981;
inline constexpr int lsCmdFinalize = 982;
inline constexpr int lsCmdSendEMail = 983;
inline constexpr int lsOptionsTitle = 984;
inline constexpr int lsOptionsPages = 985;   // Import|Export|Editor|Compile|Log robots|IARU|E-mail|Folders
inline constexpr int lsOptionsGroups = 986;  // see TOptionsGroup
inline constexpr int lsShowAllocationDialog = 987;
inline constexpr int lsIgnoreDefaultPaths = 988;
inline constexpr int lsSaveAsCallsign = 989;
inline constexpr int lsAcceptLettersAndFigsOnly = 990;
inline constexpr int lsLook4QTCFile = 991;
inline constexpr int lsShowADIFConfig = 992;
inline constexpr int lsSTFAddCtyField = 993;
inline constexpr int lsSTFAddComments = 994;
inline constexpr int lsColumnAutoWidth = 995;
inline constexpr int lsSortLog = 996;
inline constexpr int lsRemoveEmptyQSOs = 997;
inline constexpr int lsDelIfInvalidBand = 998;
inline constexpr int lsDelIfInvalidMode = 999;
inline constexpr int lsScoreSettingsNote = 1000;
inline constexpr int lsIARULabels = 1001;   // HQ|same zone|same continent|other continent|note
inline constexpr int lsEMailLabels = 1002;  // see TEMailLabel
inline constexpr int lsEMailTypes = 1003;   // own SMTP|desktop mail program
inline constexpr int lsPasswordNote = 1004;
inline constexpr int lsFolderLabels = 1005;  // logs|exported logs|sent e-mails
inline constexpr int lsEnterNumber = 1006;   // "%1 to %2"
inline constexpr int lsNotAnAddress = 1007;
inline constexpr int lsEnterFolder = 1008;
inline constexpr int lsFileNotFolder = 1009;
inline constexpr int lsFolderCreated = 1010;
inline constexpr int lsFolderNotCreated = 1011;
inline constexpr int lsNoBlanks = 1012;
inline constexpr int lsCorrectFirst = 1013;
inline constexpr int lsFileMissing = 1014;
inline constexpr int lsSendGroups = 1015;  // SMTP settings|Message|Sent message
inline constexpr int lsSendLabels = 1016;  // see TSendLabel
inline constexpr int lsEditSMTPSettings = 1017;
inline constexpr int lsSend = 1018;
inline constexpr int lsYesNo = 1019;
inline constexpr int lsLoginTitle = 1020;
inline constexpr int lsLoginExplanation = 1021;  // "%1": the server
inline constexpr int lsLoginSave = 1022;         // user name|password
inline constexpr int lsJournalTitle = 1023;
inline constexpr int lsJournalFolder = 1024;
inline constexpr int lsJournalEditPath = 1025;
inline constexpr int lsFinalizeTitle = 1026;
inline constexpr int lsFinalizeBoxes = 1027;  // save|export|send|format
inline constexpr int lsAtMostChars = 1028;    // "%1"

// Texts of the program's older numbers that these windows use as well.
inline constexpr int lsCancel = 87;
inline constexpr int lsContestTitle = 91;
inline constexpr int lsRobotAddressTitle = 388;
inline constexpr int lsChooseFolder = 591;
inline constexpr int lsAttachmentCaption = 556;

enum TOptionsGroup { ogSTFImport, ogGeneral, ogExchange, ogBinary, ogADIF, ogSTFExport, ogSMTP, ogSender, ogSending };
enum TEMailLabel { elServer, elPort, elUserName, elPassword, elTimeout, elCAFile, elSender, elCopy };
enum TSendLabel { slTo, slSubject, slText, slSentOn, slCopyTo, slContest, slCall, slServer, slSender };

// Part `index` of a language string that holds a list separated by "|".
inline QString LSPart(int n, int index) { return LSText(n).split('|').value(index); }

}  // namespace qz::gui::ui
