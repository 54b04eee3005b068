// Enumerations, sets, short-string limits and constant tables of the contest world.
// The ordinals of the enumerations below are stored as single bytes in native log
// files: their order is part of the file format and must never change.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "base/datetime.h"
#include "base/version.h"
#include "domain/enumset.h"

namespace qz {

// Maximum lengths of the short-string types (a length byte plus this many characters
// in binary files).
inline constexpr int kRSTStrLen = 3;
inline constexpr int kVersionStringLen = 9;
inline constexpr int kCallStringLen = 26;
inline constexpr int kARRLSectionStringLen = 3;
// A Cabrillo LOCATION that does not fit the section field, and the own grid locator.
inline constexpr int kLocationStringLen = 63;
inline constexpr int kGridLocatorStringLen = 10;
inline constexpr int kLocatorStringLen = 6;
inline constexpr int kSpecificStringLen = 31;
inline constexpr int kLongShortStringLen = 255;

// clang-format off
enum TLogicalOperator : std::uint8_t { loInclude, loExclude };
enum TContinent : std::uint8_t { coAF, coAN, coAS, coEU, coNA, coOC, coSA, coInvalid };
enum TZone : std::uint8_t { zCQ, zITU };
enum TCallExtension : std::uint8_t { eNo, eP, eM, eMM, eAM, eNov, eTec, eJOTA, eAlternative, eD, eEOL };

enum TContest : std::uint8_t {
    cNoContest, cWWDXcw, cWPXcw, cHSC, cIARU, cWAEcw, cWAG, cCQM, cARRLcw, cAADXcw,
    cTOPS, cFDcw, cOKDX, cWWDX160cw, cXMAS, cHADX, cSPDX, cPACC, cWWSA, cYV,
    cLZDX, cVKZLcw, cSACcw, cYODX, cJIDXcw, cAR160, cARI, cUADX, cUBAcw, cHK,
    cUB5, cHB9, cHB9hb, cDARC10, cHNY, cEUHF, cAR10, cWAGdx, cFDhb_cw, cHADXha,
    cXMAShb_cw, cOKDXok, cHKhk, c9Adx, cOQRP, cSPDXsp, cIOTA, cDXPDN, cWWDXssb, cWPXssb,
    cWAEssb, cWAErtty, cARRLssb, cAADXssb, cFDssb, cWWDX160ssb, cVKZLssb, cSACssb, cJIDXssb, cUBAssb,
    cFDhb_ssb, cXMAShb_ssb, cPACCpa, cVHF, cDTC, cHessen, cEAcw, cEAssb, cWPXrtty, cWWDXrtty,
    cThueringen, cAADXas_cw, cAADXas_ssb, cSACsc_cw, cSACsc_ssb, cXMAShb_psk, cDARCrookie, cVFDB, cCQMM, cBucuresti,
    cQRPQRP, cPABeker_cw, cPABeker_ssb, cDayOfYLs, cOKrtty, cWNA, cEndOfContestlist
};
inline constexpr int kNoOfContests = cEndOfContestlist + 1;

enum TBand : std::uint8_t {
    b160m, b80m, b40m, b30m, b20m, b17m, b15m, b12m, b10m, b6m, b4m, b2m, b1_25m, b70cm,
    b35cm, b23cm, b13cm, b9cm, b6cm, b3cm, b12mm, b6mm, b4mm, b2_5mm, b2mm, b1mm, bSAT
};
inline constexpr int kNoOfBands = bSAT + 1;

enum TMode : std::uint8_t {
    mCW, mSSB, mRTTY, mAM, mFM, mFSK, mPSK, mWSJT, mQAM, mPACKET, mPACTOR, mAMTOR, mGTOR,
    mTHROB, mASCII, mHELL, mCLOVER, mSSTV, mATV, mEndOfList
};
inline constexpr int kNoOfModes = mEndOfList + 1;

enum TUsedModes : std::uint8_t { umSingleMode, umMixedMode };
enum TUsedBands : std::uint8_t { ubSingleBand, ubAllBands };
enum TPartOfDate : std::uint8_t { podComplete, podDay, podMonth, podYear };
enum TPartOfTime : std::uint8_t { potComplete, potHour, potMinute };

enum TQSOFlags : std::uint8_t {
    qfDupe, qfSentQTC, qfRcvdQTC, qfUserDeleted, qfQuestionable, qfTooManyQTCs, qfCrossChecked,
    qfCommentAdded, qfInvalid, qfEndOfList
};

enum TColumnProperty : std::uint8_t {
    cpNr, cpMark, cpIsQTC, cpDate, cpDateDay, cpDateMonth, cpDateYear, cpTime, cpTimeHour,
    cpTimeMinute, cpBand, cpMode, cpCall, cpSentRST, cpSentNumber, cpRcvdRST, cpRcvdNumber,
    cpMul, cpPoints, cpFlags
};
inline constexpr int kNoOfColumnProperties = cpFlags + 1;

enum T_QSO_QTC : std::uint8_t { qqQSO, qqQTC };
enum TCellSelectKey : std::uint8_t { cskNoKey, cskTab, cskShiftTab };
enum TQSOSelect : std::uint8_t { qsSelect, qsUnselect };
enum TEditMode : std::uint8_t { emEdit, emAppend };
enum TSearchFrom : std::uint8_t { sfBegin, sfCursor };
enum TSetSentNumberMode : std::uint8_t { smSetFixNumber, smSetContiuouslyNumber };

enum TOutputWindow : std::uint8_t {
    owMessages, owComments, owResult, owSTF, owCabrillo, owADIF, owRES, owSwisslog,
    owNoOOfOutputWindows, owDummy10, owDummy11, owDummy12, owDummy13, owDummy14, owDummy15, owDBase
};
inline constexpr int kNoOfOutputWindows = owDBase + 1;

enum TPowerCategory : std::uint8_t { powHighPower, powLowPower, powQRP, powOther };
enum TParticipationCategory : std::uint8_t {
    catSingleOp, catSingleOpUnlimited, catMultiOpSingleTX, catMultiOpTwoTX, catMultiOpMultiTX,
    catRoverStation, catLimitedMulti, catScoolClub, catOther
};
enum TCategoryAssisted : std::uint8_t { caAssisted, caNonAssisted };
enum TCategoryOperator : std::uint8_t { coSingleOp, coMultiOp, coChecklog };
enum TCategoryPower : std::uint8_t { cpHigh, cpLow, cpQRP };
enum TCategoryStation : std::uint8_t { csFixed, csMobile, csPortable, csRover, csExpedition, csHQ, csSchool };
enum TCategoryTime : std::uint8_t { ctmNone, ctm6Hours, ctm12Hours, ctm24Hours };
enum TCategoryTransmitter : std::uint8_t { ctxOne, ctxTwo, ctxLimited, ctxUnlimited, ctxSWL };
enum TCategoryOverlay : std::uint8_t { coNone, coRookie, coTbWires, coNoviceTech, coOver50 };
enum TFileType : std::uint8_t {
    ftUnknown, ftQZ3, ftQZ4, ftCT8, ftCT9, ftCT10, ftNA9, ftNA10, ftQW4, ftSTF, ftASCII, ftADIF, ftCabrillo
};
enum TContestLogCreateError : std::uint8_t { ENoError, ECtyFile, EInvalidCall, EAllocationTable };
enum TCallExtensionCheck : std::uint8_t { cecPortable, cecMaritimeMobile, cecTechNovice };
enum TExchangedNumbersCheck : std::uint8_t {
    encSentConstant, encSentContinuously, encRcvdConstant, encRcvdContinuously,
    encTestSpecialCountriesExclusively, encExcludeSpecialCountries
};
// clang-format on

// Number of values of each enumeration that the native file stores, for range checks
// when reading untrusted bytes.
inline constexpr int kNoOfParticipationCategories = catOther + 1;
inline constexpr int kNoOfPowerCategories = powOther + 1;
inline constexpr int kNoOfCategoryAssisted = caNonAssisted + 1;
inline constexpr int kNoOfCategoryOperator = coChecklog + 1;
inline constexpr int kNoOfCategoryPower = cpQRP + 1;
inline constexpr int kNoOfCategoryStation = csSchool + 1;
inline constexpr int kNoOfCategoryTime = ctm24Hours + 1;
inline constexpr int kNoOfCategoryTransmitter = ctxSWL + 1;
inline constexpr int kNoOfCategoryOverlay = coOver50 + 1;

using SBand = EnumSet<TBand, std::uint32_t>;
using SMode = EnumSet<TMode, std::uint32_t>;
using SQSOFlags = EnumSet<TQSOFlags, std::uint16_t>;
using S_QSO_QTC = EnumSet<T_QSO_QTC, std::uint8_t>;
using SOutputWindow = EnumSet<TOutputWindow, std::uint16_t>;
using SExchangedNumbersCheck = EnumSet<TExchangedNumbersCheck, std::uint8_t>;

using TBandResult = std::array<std::int32_t, kNoOfBands>;
using TModeResult = std::array<std::int32_t, kNoOfModes>;
using TBandModeResult = std::array<TBandResult, kNoOfModes>;  // mode is the outer index

// One saved grid column of the native file header.
struct TFileColumnEntry {
    TColumnProperty Property = cpNr;
    std::int32_t ArrayIndex = -1;
    std::uint16_t Width = 0;
};

inline constexpr int kMaxColumnDescriptors = 40;
inline constexpr std::size_t kFileHeaderSize = 4096;

// The log header: built into every contest log and stored as the first 4096 bytes of
// a native log file (see logfile/fileheader.h for the byte layout). Short strings
// hold Windows-1252 bytes and are cut to their maximum length when stored.
struct TFileHeader {
    std::string fhQZ_VersionString;  // max 9
    TDateTime fhQZ_CreatedTimeStamp = 0;
    TNumVersion fhQZ_CreatedVersion;
    TDateTime fhQZ_lastModifiedTimeStamp = 0;
    TNumVersion fhQZ_LastModifiedVersion;
    std::uint16_t fhQZ_NoOfColumnDescriptors = 0;
    std::array<TFileColumnEntry, kMaxColumnDescriptors> fhQZ_ColumnDescriptors{};
    SOutputWindow fhQZ_OutputWindows;
    bool fhQZ_ReadOnly = false;

    std::string fhUser_OwnCall;  // max 26
    std::string fhUser_Address;
    std::string fhUser_EMail;
    std::string fhUser_Station;
    std::string fhUser_Power;
    std::string fhUser_Club;
    TPowerCategory fhUser_PowerCategory = powHighPower;
    // The ARRL section or Cabrillo LOCATION; max kLocationStringLen, of which the first
    // 3 characters are stored in the section field older readers know.
    std::string fhUser_ARRLSection;
    std::string fhUser_Name;
    std::string fhUser_Specific;     // max 31
    std::string fhUser_GridLocator;  // max kGridLocatorStringLen

    TContest fhContest_Contest = cNoContest;
    std::string fhContest_Category;
    TParticipationCategory fhContest_ParticipationCategory = catSingleOp;
    std::int32_t fhContest_NoOfQSOs = 0;
    std::string fhContest_CtyFile;
    std::string fhContest_OperatorList;
    std::string fhContest_SoapBox;
    TCategoryAssisted fhContest_CategoryAssisted = caAssisted;
    TCategoryOperator fhContest_CategoryOperator = coSingleOp;
    TCategoryPower fhContest_CategoryPower = cpHigh;
    TCategoryStation fhContest_CategoryStation = csFixed;
    TCategoryTime fhContest_CategoryTime = ctmNone;
    TCategoryTransmitter fhContest_CategoryTransmitter = ctxOne;
    TCategoryOverlay fhContest_CategoryOverlay = coNone;
    std::uint16_t fhContest_Year = 0;
};

// Constant tables

extern const std::array<std::string_view, coInvalid + 1> ContinentNames;
extern const std::array<std::string_view, eEOL + 1> CallExtensionNames;

extern const std::array<std::string_view, kNoOfContests> ContestNames;
extern const std::array<std::string_view, kNoOfContests> CabrilloContestNames;
// 0 CW, 1 SSB, 2 RTTY, 3 digital, 4 mixed.
extern const std::array<std::uint8_t, kNoOfContests> ContestModeKinds;
SMode ModeKindModes(std::uint8_t modeKind);
// All nineteen real modes mCW..mATV.
SMode AllModes();
SBand AllBands();

extern const std::array<std::string_view, kNoOfBands> BandNames;
extern const std::array<std::string_view, kNoOfBands> BandFrequencies;
extern const std::array<std::string_view, kNoOfBands> BandShortNames;
extern const std::array<std::string_view, kNoOfBands> STFBandNames;
extern const std::array<std::string_view, kNoOfBands> CabrilloBandFrequencies;

extern const std::array<std::string_view, kNoOfModes> ModeNames;
extern const std::array<std::string_view, kNoOfModes> ModeShortNames;
extern const std::array<std::string_view, kNoOfModes> ADIFModeNames;
extern const std::array<std::string_view, kNoOfModes> CabrilloModeNames;
extern const std::array<int, kNoOfModes> DefaultRST;
extern const std::array<int, kNoOfModes> MinimumRST;
extern const std::array<int, kNoOfModes> RSTLength;

extern const std::array<std::string_view, 13> MonthNames;
inline constexpr const char* DateFormat = "%.2d.%s%.4d";
inline constexpr const char* TimeFormat = "%.2d%.2d";

extern const std::array<std::string_view, qfEndOfList + 1> QSOFlagTags;
inline constexpr std::array<int, 2> QTCFlagKinds = {1, 2};

extern const std::array<int, kNoOfColumnProperties> DefaultColumnWidths;

extern const std::array<std::string_view, kNoOfOutputWindows> OutputWindowExtensions;
extern const std::array<int, kNoOfOutputWindows> OutputWindowFilterStrings;

extern const std::array<std::string_view, kNoOfCategoryAssisted> CategoryAssistedNames;
extern const std::array<std::string_view, kNoOfCategoryOperator> CategoryOperatorNames;
extern const std::array<std::string_view, kNoOfCategoryPower> CategoryPowerNames;
extern const std::array<std::string_view, kNoOfCategoryStation> CategoryStationNames;
extern const std::array<std::string_view, kNoOfCategoryTime> CategoryTimeNames;
extern const std::array<std::string_view, kNoOfCategoryTransmitter> CategoryTransmitterNames;
extern const std::array<std::string_view, kNoOfCategoryOverlay> CategoryOverlayNames;
extern const std::array<std::string_view, kNoOfParticipationCategories> CabrilloParticipationNames;
extern const std::array<std::string_view, 2> CabrilloUsedModesNames;
extern const std::array<std::string_view, 2> CabrilloUsedBandsNames;
extern const std::array<std::string_view, 2> QSO_QTC_Names;
extern const std::array<std::string_view, 4> QSLLetters;

extern const std::array<std::string_view, ftCabrillo + 1> FileTypeExtensions;

// The version string of a native log file written by this program.
inline constexpr std::string_view QZVersionString = "QZ v " QZ_PRODUCT_VERSION_TEXT;
inline constexpr std::string_view QZ3VersionString = "QZ v 3.00";

// Text of a default or minimum RST value ("599", "59", "111", ...).
std::string RSTText(int value);

}  // namespace qz
