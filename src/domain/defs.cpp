#include "domain/defs.h"

#include <cstdio>

namespace qz {

const std::array<std::string_view, coInvalid + 1> ContinentNames = {"AF", "AN", "AS", "EU", "NA", "OC", "SA", ""};
const std::array<std::string_view, eEOL + 1> CallExtensionNames = {"",   "/P", "/M", "/MM", "/AM", "/N",
                                                                   "/T", "/J", "/A", "/D",  ""};

// clang-format off
// Long names are Windows-1252 text.
const std::array<std::string_view, kNoOfContests> ContestNames = {
    "undefined Contest",
    "CQ WW DX Contest CW",
    "CQ WW WPX Contest CW",
    "HSC CW Contest",
    "IARU HF World Championship",
    "WAE DX Contest CW",
    "WAG Contest (DL-Side)",
    "CQ Mir Contest",
    "ARRL DX Contest CW (DX-Side)",
    "All Asian DX Contest CW (non Asia)",
    "TOP OF OPERATORS Activity Contest (TAC)",
    "IARU Region 1 FieldDay CW",
    "OK/OM DX Contest (non OK)",
    "CQ WW DX Contest 160m CW",
    "DARC-Weihnachtswettbewerb (XMAS)",
    "HA DX Contest (non HA)",
    "SP DX Contest (non SP)",
    "PACC Contest (non PA)",
    "WW South America Contest (DX-Side)",
    "YV Independence Contest (non YV)",
    "LZ DX Contest (non LZ)",
    "VK/ZL Oceania DX Contest CW (DX-Side)",
    "Scandinavian Activity Contest CW (non Scand.)",
    "YO DX HF Contest (non YO)",
    "Japan International DX Contest CW (non JA)",
    "ARRL 160m Contest (DX-Side)",
    "ARI Int. DX Contest (non I)",
    "Russian DX Contest (non UA)",
    "UBA Contest CW (non ON)",
    "HK Independence Contest (non HK)",
    "Ukrainian DX Contest (non UT)",
    "Helvetia Contest (non HB9)",
    "Helvetia Contest (HB9-Side)",
    "DARC 10m Contest",
    "AGCW Happy New Year Contest",
    "European HF Championship",
    "ARRL 10m Contest",
    "WAG Contest (non DL)",
    "IARU Region 1 FieldDay CW",
    "HA DX Contest (HA-Side)",
    "USKA-Weihnachtswettbewerb CW (HB9)",
    "OK/OM DX Contest (OK/OM-Side)",
    "HK Independence Contest (HK-Side)",
    "Croatian CW Contest (non 9A)",
    "Original QRP Contest",
    "SP DX Contest (SP-Side)",
    "RSGB IOTA Contest",
    "DXpedition",
    "CQ WW DX Contest SSB",
    "CQ WW WPX Contest SSB",
    "WAE DX Contest SSB",
    "WAE DX Contest RTTY",
    "ARRL DX Contest SSB (DX-Side)",
    "All Asian DX Contest SSB (non Asia)",
    "IARU Region 1 FieldDay SSB",
    "CQ WW DX Contest 160m SSB",
    "VK/ZL Oceania DX Contest SSB (DX-Side)",
    "Scandinavian Activity Contest SSB (non Scand.)",
    "Japan International DX Contest SSB (non JA)",
    "UBA Contest SSB (non ON)",
    "IARU Region 1 FieldDay SSB",
    "USKA-Weihnachtswettbewerb SSB (HB9)",
    "PACC Contest (PA-side)",
    "IARU VHF/UHF/SHF",
    "Deutscher Telegraphie Contest",
    "Hessen-Contest",
    "King of Spain Contest CW (non EA)",
    "King of Spain Contest SSB (non EA)",
    "CQ WW WPX Contest RTTY",
    "CQ WW DX Contest RTTY",
    "Thueringen Contest",
    "All Asian DX Contest CW (Asia-Side)",
    "All Asian DX Contest SSB (Asia-Side)",
    "Scandinavian Activity Contest CW (Scand. side)",
    "Scandinavian Activity Contest SSB (Scand. side)",
    "USKA-Weihnachtswettbewerb Digital (HB9)",
    "DARC-Ausbildungscontest",
    "VFDB Z-Contest",
    "CQ Manchester Mineira DX Contest",
    "International HF \"Bucuresti\" Contest",
    "AGCW QRP-QRP-Party",
    "PA-Beker Contest CW (PA)",
    "PA-Beker Contest SSB (PA)",
    "Day of YLs",
    "OK DX RTTY Contest",
    "Westfalen Nord Aktivit\xE4""tstag",
    "undefined Contest (end of list)",
};
const std::array<std::string_view, kNoOfContests> CabrilloContestNames = {
    "UNDEFINED", "CQ-WW-CW", "CQ-WPX-CW", "HSC", "IARU-HF",
    "DARC-WAEDC-CW", "WAG", "CQM", "ARRL-DX-CW", "AADX-CW",
    "TAC", "IARU-FD-R1-DARC-CW", "OK-OM-DX", "CQ-160-CW", "DARC-XMAS",
    "HA-DX", "SPDX", "PACC", "GACW-DX", "YV",
    "LZ-DX", "OCEANIA-DX-CW", "SAC-CW", "YO-DX", "JIDX-CW",
    "ARRL-160", "ARI-DX", "RDXC", "UBA-DX-CW", "HK",
    "UKRAINIAN-DX", "HELVETIA", "HELVETIA", "DARC-10", "AGCW-HNY",
    "EU-HF", "ARRL-10", "WAG", "IARU-FD-R1-USKA-CW", "HA-DX",
    "USKA-XMAS", "OK-OM-DX", "HK", "CROATIAN-CW", "OQRP",
    "SPDX", "RSGB-IOTA", "DXPDN", "CQ-WW-SSB", "CQ-WPX-SSB",
    "DARC-WAEDC-SSB", "DARC-WAEDC-RTTY", "ARRL-DX-SSB", "AADX-SSB", "IARU-FD-R1-DARC-SSB",
    "CQ-160-SSB", "OCEANIA-DX-SSB", "SAC-SSB", "JIDX-SSB", "UBA-SSB",
    "IARU-FD-R1-DARC-SSB", "USKA-XMAS", "PACC", "IARU-VHF", "DTC",
    "HESSEN", "KING-OF-SPAIN-CW", "KING-OF-SPAIN-SSB", "CQ-WPX-RTTY", "CQ-WW-RTTY",
    "THUERINGEN", "AADX-CW", "AADX-SSB", "SAC-CW", "SAC-SSB",
    "USKA-XMAS", "DARC-ROOKIE", "VFDB-Z", "CQMMDX", "BUCURESTI",
    "AGCW-QRP-QRP", "PA-BEKER-CW", "PA-BEKER-SSB", "DAY-OF-YLS", "OK-DX-RTTY",
    "WNA", "UNDEFINED",
};
const std::array<std::uint8_t, kNoOfContests> ContestModeKinds = {
    4, 0, 0, 4, 4, 0, 4, 4, 0, 0, 4, 0, 4, 0, 4, 4, 4, 4, 4, 4,
    4, 0, 0, 4, 0, 4, 4, 4, 0, 4, 4, 4, 4, 4, 4, 4, 4, 4, 0, 4,
    0, 4, 4, 4, 4, 4, 4, 4, 1, 1, 1, 2, 1, 1, 1, 1, 1, 1, 1, 1,
    1, 1, 4, 4, 0, 4, 0, 1, 2, 2, 4, 0, 1, 0, 1, 3, 4, 4, 0, 4,
    0, 0, 1, 4, 2, 4, 4,
};

SMode AllModes() { return SMode::Range(mCW, mATV); }
SBand AllBands() { return SBand::Range(b160m, bSAT); }

SMode ModeKindModes(std::uint8_t modeKind) {
    switch (modeKind) {
        case 0: return {mCW};
        case 1: return {mSSB};
        case 2: return {mRTTY};
        case 3: return {mPSK};
        default: return AllModes();
    }
}

const std::array<std::string_view, kNoOfBands> BandNames = {
    "160m", "80m",  "40m",  "30m", "20m", "17m", "15m",   "12m", "10m", "6m",   "4m",  "2m",  "1.25m", "70cm",
    "35cm", "23cm", "13cm", "9cm", "6cm", "3cm", "1.2cm", "6mm", "4mm", "2.5mm", "2mm", "1mm", "SAT"};
const std::array<std::string_view, kNoOfBands> BandFrequencies = {
    "1.8",  "3.5",  "7",    "10.1", "14",    "18.068", "21",    "24.89",  "28",     "50",     "70",     "144", "222", "432",
    "903",  "1200", "2300", "3400", "5700",  "10000",  "24000", "47000",  "76000",  "119000", "142000", "241000", "S"};
const std::array<std::string_view, kNoOfBands> BandShortNames = {
    "160", "80", "40", "30", "20",  "17",  "15",  "12",  "10",  "6",   "4",   "2",   "1.3", "70",
    "35",  "23", "13", "9",  "6cm", "3cm", "1.2", "6mm", "4mm", "2.5", "2mm", "1mm", "SAT"};
const std::array<std::string_view, kNoOfBands> STFBandNames = {
    "160",  "80", "40", "30", "20", "17",  "15",  "12",  "10",    "6",   "4",   "2",  "1.25m", "70",
    "35cm", "23", "13", "9",  "5",  "3",   "1.2", "6mm", "4mm",   "2.5mm", "2mm", "1mm", "SAT"};
const std::array<std::string_view, kNoOfBands> CabrilloBandFrequencies = {
    " 1800", " 3500", " 7000", "10100", "14000", "18068", "21000", "24890", "28000",
    "   50", "   70", "  144", "  222", "  432", "  903", "  1.2", "  2.3", "  3.4",
    "  5.7", "   10", "   24", "   47", "   76", "  119", "  142", "  241", "    S"};

const std::array<std::string_view, kNoOfModes> ModeNames = {
    "CW",   "SSB",  "RTTY",  "AM",    "FM",   "FSK",  "PSK",    "WSJT", "QAM", "PACKET",
    "PACTOR", "AMTOR", "GTOR", "THROB", "ASCII", "HELL", "CLOVER", "SSTV", "ATV", ""};
const std::array<std::string_view, kNoOfModes> ModeShortNames = {
    "CW",  "SSB", "RTTY", "AM",   "FM",   "FSK",  "PSK",  "WSJT", "QAM", "PKT",
    "PAC", "TOR", "GTOR", "THRO", "ASCI", "HELL", "CLOV", "SSTV", "ATV", ""};
const std::array<std::string_view, kNoOfModes> ADIFModeNames = {
    "CW",  "SSB", "RTTY", "AM",    "FM",    "FSK",  "PSK", "WSJT", "QAM", "PKT",
    "PAC", "TOR", "GTOR", "THROB", "ASCII", "HELL", "CLO", "SSTV", "ATV", ""};
const std::array<std::string_view, kNoOfModes> CabrilloModeNames = {
    "CW", "PH", "RY", "AM", "FM", "FS", "PS", "WS", "QA", "PR",
    "PC", "AT", "GT", "TH", "AS", "HE", "CL", "SS", "AV", ""};
const std::array<int, kNoOfModes> DefaultRST = {599, 59,  599, 59,  59,  599, 599, 599, 599, 599,
                                                599, 599, 599, 599, 599, 599, 599, 599, 599, 0};
const std::array<int, kNoOfModes> MinimumRST = {111, 11,  111, 11,  11,  111, 111, 111, 111, 111,
                                                111, 111, 111, 111, 111, 111, 111, 111, 111, 0};
const std::array<int, kNoOfModes> RSTLength = {3, 2, 3, 2, 2, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 0};

const std::array<std::string_view, 13> MonthNames = {"????", "Jan.", "Feb.", "Mar.", "Apr.", "May ", "Jun.",
                                                     "Jul.", "Aug.", "Sep.", "Oct.", "Nov.", "Dec."};

const std::array<std::string_view, qfEndOfList + 1> QSOFlagTags = {
    "[DUPE]", "", "", "[DEL]", "", "[>10QTC]", "[CC]", "[COMM]", "[BAD]", ""};

const std::array<int, kNoOfColumnProperties> DefaultColumnWidths = {
    43, 17, 40, 90, 25, 35, 35, 40, 40, 40, 40, 50, 100, 75, 75, 83, 75, 60, 40, 50};

const std::array<std::string_view, kNoOfOutputWindows> OutputWindowExtensions = {
    "txt", "ubn", "sum", "stf", "log", "adi", "res", "swi", "", "", "", "", "", "", "", "dbf"};
const std::array<int, kNoOfOutputWindows> OutputWindowFilterStrings = {41, 291, 260, 40, 75, 243, 330, 331,
                                                                       0,  0,   0,   0,  0,  0,   0,   0};

const std::array<std::string_view, kNoOfCategoryAssisted> CategoryAssistedNames = {"ASSISTED", "NON-ASSISTED"};
const std::array<std::string_view, kNoOfCategoryOperator> CategoryOperatorNames = {"SINGLE-OP", "MULTI-OP",
                                                                                   "CHECKLOG"};
const std::array<std::string_view, kNoOfCategoryPower> CategoryPowerNames = {"HIGH", "LOW", "QRP"};
const std::array<std::string_view, kNoOfCategoryStation> CategoryStationNames = {
    "FIXED", "MOBILE", "PORTABLE", "ROVER", "EXPEDITION", "HQ", "SCHOOL"};
const std::array<std::string_view, kNoOfCategoryTime> CategoryTimeNames = {"<none>", "6-HOURS", "12-HOURS",
                                                                           "24-HOURS"};
const std::array<std::string_view, kNoOfCategoryTransmitter> CategoryTransmitterNames = {
    "ONE", "TWO", "LIMITED", "UNLIMITED", "SWL"};
const std::array<std::string_view, kNoOfCategoryOverlay> CategoryOverlayNames = {
    "<none>", "ROOKIE", "TB-WIRES", "NOVICE-TECH", "OVER-50"};
const std::array<std::string_view, kNoOfParticipationCategories> CabrilloParticipationNames = {
    "SINGLE-OP", "SINGLE-OP-ASSISTED", "MULTI-ONE", "MULTI-TWO", "MULTI-MULTI",
    "ROVER",     "MULTI-LIMITED",      "SCHOOL-CLUB", ""};
const std::array<std::string_view, 2> CabrilloUsedModesNames = {"", "MIXED"};
const std::array<std::string_view, 2> CabrilloUsedBandsNames = {"", "ALL"};
const std::array<std::string_view, 2> QSO_QTC_Names = {"QSO", "QTC"};
const std::array<std::string_view, 4> QSLLetters = {"Y", "N", "R", "I"};

const std::array<std::string_view, ftCabrillo + 1> FileTypeExtensions = {
    "", "qzf", "qzf", "bin", "bin", "bin", "qdf", "qdf", "bin", "stf", "txt", "adi", "log"};
// clang-format on

std::string RSTText(int value) { return std::to_string(value); }

}  // namespace qz
