// Language strings of the auxiliary dialogs (header data, file information, search,
// range selection, time difference, sent numbers, sent QTCs, comment, checks and
// statistics) and the commands that open them.
#pragma once

namespace qz::gui::dlg {

// Commands.
inline constexpr int lsFileInfoCommand = 910;
inline constexpr int lsMarkDefinedCommand = 911;
inline constexpr int lsUnselectDefinedCommand = 912;
inline constexpr int lsTimeDiffCommand = 913;
inline constexpr int lsSentNumberCommand = 914;
inline constexpr int lsHeaderDataCommand = 915;
inline constexpr int lsSentQTCsCommand = 916;
inline constexpr int lsStatisticsCommand = 917;

// Texts the program shares with other windows.
inline constexpr int lsNativeLogFilter = 35;
inline constexpr int lsDate = 45;
inline constexpr int lsTime = 46;
inline constexpr int lsBand = 47;
inline constexpr int lsMode = 48;
inline constexpr int lsCall = 49;
inline constexpr int lsSentRST = 50;
inline constexpr int lsRcvdRST = 52;
inline constexpr int lsPoints = 56;
inline constexpr int lsFileInfoHeading = 67;
inline constexpr int lsQSOs = 68;
inline constexpr int lsCreated = 69;
inline constexpr int lsCreatedVersion = 70;
inline constexpr int lsModifiedDate = 71;
inline constexpr int lsModifiedVersion = 72;
inline constexpr int lsCancel = 87;
inline constexpr int lsContest = 91;
inline constexpr int lsPower = 98;
inline constexpr int lsSelectRangeTitle = 124;
inline constexpr int lsCtyFilter = 192;
inline constexpr int lsFileNotFound = 198;
inline constexpr int lsSection = 316;
inline constexpr int lsCategory = 327;
inline constexpr int lsAllBands = 346;
inline constexpr int lsUnselectRangeTitle = 446;
inline constexpr int lsClose = 596;
inline constexpr int lsOwnCall = 866;

// Header data.
inline constexpr int lsHeaderTitle = 918;
inline constexpr int lsName = 919;
inline constexpr int lsAddress = 920;
inline constexpr int lsEMail = 921;
inline constexpr int lsStation = 922;
inline constexpr int lsClub = 923;
inline constexpr int lsSpecific = 924;
inline constexpr int lsCtyFile = 925;
inline constexpr int lsOperators = 926;
inline constexpr int lsSoapbox = 927;
inline constexpr int lsCatAssisted = 928;
inline constexpr int lsCatOperator = 929;
inline constexpr int lsCatStation = 930;
inline constexpr int lsCatTime = 931;
inline constexpr int lsCatTransmitter = 932;
inline constexpr int lsCatOverlay = 933;
inline constexpr int lsLoadFromFile = 934;
inline constexpr int lsBrowse = 935;

// Field checks.
inline constexpr int lsNotACall = 936;
inline constexpr int lsBadTime = 937;
inline constexpr int lsBadSerial = 938;
inline constexpr int lsNotANumber = 939;
inline constexpr int lsEmptyValue = 940;
inline constexpr int lsBadEMail = 978;
inline constexpr int lsBadSection = 979;

// Search.
inline constexpr int lsSearchIn = 941;
inline constexpr int lsSentNumbers = 942;
inline constexpr int lsRcvdNumbers = 943;
inline constexpr int lsMultipliers = 944;
inline constexpr int lsWholeField = 945;
inline constexpr int lsSearchFrom = 946;
inline constexpr int lsFromFirstLine = 947;
inline constexpr int lsFromCursor = 948;

// Time difference, range, sent numbers, sent QTCs, comment.
inline constexpr int lsTimeDiffTitle = 949;
inline constexpr int lsDays = 950;
inline constexpr int lsHours = 951;
inline constexpr int lsMinutes = 952;
inline constexpr int lsLines = 953;
inline constexpr int lsTo = 954;
inline constexpr int lsAllLines = 955;
inline constexpr int lsColumn = 956;
inline constexpr int lsStartNumber = 957;
inline constexpr int lsFixValue = 958;
inline constexpr int lsContinuously = 959;
inline constexpr int lsIncludeQTCs = 960;
inline constexpr int lsSentQTCsTitle = 961;
inline constexpr int lsQTCSerial = 962;
inline constexpr int lsCommentTitle = 963;
inline constexpr int lsClear = 964;

// Checks and statistics.
inline constexpr int lsExtensionTitle = 965;
inline constexpr int lsPortable = 966;
inline constexpr int lsMaritimeMobile = 967;
inline constexpr int lsTechNovice = 968;
inline constexpr int lsExtendAutomatically = 969;
inline constexpr int lsExchangedTitle = 970;
inline constexpr int lsContinuousCheck = 971;
inline constexpr int lsConstantCheck = 972;
inline constexpr int lsField = 973;
inline constexpr int lsTestExclusively = 974;
inline constexpr int lsExcludeFromTest = 975;
inline constexpr int lsCalls = 976;
inline constexpr int lsStatisticsTitle = 977;

}  // namespace qz::gui::dlg
