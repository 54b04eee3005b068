// Language strings of the Help menu, the updates and the batch wizard; the numbers
// above 1000 are the program's own.
#pragma once

namespace qz::gui {

inline constexpr int lsNoUpdate = 628;
inline constexpr int lsUpdateDone = 629;
inline constexpr int lsBatchCommand = 486;
inline constexpr int lsBatchTitle = 493;
inline constexpr int lsBatchFinished = 532;
inline constexpr int lsResultListFilter = 534;

inline constexpr int lsMenuHelp = 1060;
inline constexpr int lsCheckVersion = 1061;
inline constexpr int lsUpdateCty = 1062;
inline constexpr int lsAbout = 1063;
inline constexpr int lsOpenDownloadPage = 1064;
inline constexpr int lsCtyUnchanged = 1065;

inline constexpr int lsPageJob = 1066;
inline constexpr int lsJobExport = 1067;
inline constexpr int lsJobConvert = 1068;
inline constexpr int lsJobResults = 1069;
inline constexpr int lsPageFiles = 1070;
inline constexpr int lsNativeOnly = 1071;
inline constexpr int lsFilesCount = 1072;
inline constexpr int lsAddFiles = 1073;
inline constexpr int lsRemoveFiles = 1074;
inline constexpr int lsClearList = 1075;
inline constexpr int lsSelectAll = 1076;
inline constexpr int lsPageExportFormat = 1077;
inline constexpr int lsResultReport = 1078;
inline constexpr int lsCommentSummary = 1079;
inline constexpr int lsPageImportFormat = 1080;
inline constexpr int lsPageResultList = 1081;
inline constexpr int lsResultListFile = 1082;
inline constexpr int lsTopLevelId = 1083;
inline constexpr int lsChooseFile = 378;
inline constexpr int lsPageContest = 1085;
inline constexpr int lsContestFromFile = 1086;
inline constexpr int lsFixedContest = 1087;
inline constexpr int lsBatchProgress = 1088;
inline constexpr int lsBatchFailed = 1089;
inline constexpr int lsBadTopLevelId = 1090;
inline constexpr int lsNoResultList = 1091;
inline constexpr int lsBatchCancelled = 1092;
inline constexpr int lsExportsExist = 1093;
inline constexpr int lsWizardBack = 1094;
inline constexpr int lsWizardNext = 1095;
inline constexpr int lsWizardFinish = 1096;
inline constexpr int lsLinesLeftOut = 1097;
inline constexpr int lsSettingsUnusable = 1098;
inline constexpr int lsCancelCaption = 87;
// The batch wizard's contest page, failure list, result table, folders and cross-check.
inline constexpr int lsDefaultContest = 1220;
inline constexpr int lsFailedFiles = 1221;
inline constexpr int lsTsvTable = 1222;
inline constexpr int lsCopyPage = 1223;
inline constexpr int lsCloseReport = 1224;
inline constexpr int lsAlsoWriteTsv = 1225;
inline constexpr int lsAddFolder = 1226;
inline constexpr int lsJobCrossCheck = 1227;
inline constexpr int lsPageCrossCheck = 1228;
inline constexpr int lsCrossWindow = 1229;
inline constexpr int lsCrossPenalty = 1230;
inline constexpr int lsReportFolder = 1231;
inline constexpr int lsNoReportFolder = 1232;
inline constexpr int lsCrossSummary = 1233;
inline constexpr int lsFindings = 1234;
inline constexpr int lsReportsAt = 1235;
inline constexpr int lsMatchingLogs = 1236;
inline constexpr int lsChooseFolder = 1237;
inline constexpr int lsFolderNotOpened = 1238;
inline constexpr int lsFolderFilesLeftOut = 1239;
inline constexpr int lsChooseContestHint = 1240;
// The start panel shown while no log is open.
inline constexpr int lsNoLogOpen = 1126;
inline constexpr int lsHowToBegin = 1127;

}  // namespace qz::gui
