// The Cabrillo 3.0 layout as this system writes and reads it: tag names, the fixed
// columns of QSO and QTC lines, field widths and the QTC group spelling. The writer
// and the reader both take their positions from here.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "base/text.h"

namespace qz::cabrillo {

// Header tags; a line is the tag, ": " and the value.
inline constexpr std::string_view kStartOfLog = "START-OF-LOG";
inline constexpr std::string_view kCreatedBy = "CREATED-BY";
inline constexpr std::string_view kLocation = "LOCATION";
inline constexpr std::string_view kGridLocator = "GRID-LOCATOR";
inline constexpr std::string_view kContest = "CONTEST";
inline constexpr std::string_view kCallsign = "CALLSIGN";
inline constexpr std::string_view kCategoryOperator = "CATEGORY-OPERATOR";
inline constexpr std::string_view kCategoryTransmitter = "CATEGORY-TRANSMITTER";
inline constexpr std::string_view kCategoryAssisted = "CATEGORY-ASSISTED";
inline constexpr std::string_view kCategoryPower = "CATEGORY-POWER";
inline constexpr std::string_view kCategoryStation = "CATEGORY-STATION";
inline constexpr std::string_view kCategoryOverlay = "CATEGORY-OVERLAY";
inline constexpr std::string_view kCategoryTime = "CATEGORY-TIME";
inline constexpr std::string_view kCategoryBand = "CATEGORY-BAND";
inline constexpr std::string_view kCategoryMode = "CATEGORY-MODE";
inline constexpr std::string_view kClaimedScore = "CLAIMED-SCORE";
inline constexpr std::string_view kOperators = "OPERATORS";
inline constexpr std::string_view kClub = "CLUB";
inline constexpr std::string_view kName = "NAME";
inline constexpr std::string_view kEMail = "EMAIL";
inline constexpr std::string_view kSpecific = "SPECIFIC";
inline constexpr std::string_view kAddress = "ADDRESS";
inline constexpr std::string_view kSoapbox = "SOAPBOX";
inline constexpr std::string_view kTagSeparator = ": ";
// The end marker has no blank after its colon.
inline constexpr std::string_view kEndOfLog = "END-OF-LOG:";

inline constexpr std::string_view kFormatVersion = "3.0";

// A deleted line keeps the 5-character tag: "X" + word + ":" (XQSO:, XQTC:).
inline constexpr std::string_view kDeletedPrefix = "X";

// A field of a QSO line: first and last column, 1-based and inclusive.
struct TColumn {
    int first;
    int last;
    constexpr int Width() const { return last - first + 1; }
};

// Common to every QSO and QTC line.
inline constexpr TColumn kTag{1, 5};
inline constexpr TColumn kFrequency{6, 10};
inline constexpr TColumn kMode{12, 13};
inline constexpr TColumn kDate{15, 24};
inline constexpr TColumn kTime{26, 29};

// Exchange columns of the QSO layouts; a field absent from a layout is kAbsent.
inline constexpr TColumn kAbsent{0, -1};
struct TQSOColumns {
    TColumn firstCall;
    TColumn sentRST;
    TColumn sentNumber1;
    TColumn sentNumber2;
    TColumn secondCall;
    TColumn rcvdRST;
    TColumn rcvdNumber1;
    TColumn rcvdNumber2;
    TColumn transmitter;
    int lineLength;
};

// At most one sent and one received number; every half 25 characters wide.
inline constexpr TQSOColumns kNarrow{{31, 43}, {45, 47}, {49, 54}, kAbsent,  {56, 68},
                                     {70, 72}, {74, 79}, kAbsent,  {81, 81}, 81};
// An ordinary QSO of a QTC contest: the narrow columns without the transmitter.
inline constexpr TQSOColumns kQTCContestQSO{{31, 43}, {45, 47}, {49, 54}, kAbsent, {56, 68},
                                            {70, 72}, {74, 79}, kAbsent,  kAbsent, 79};
// More than one sent or received number: every half 30 characters wide, its first
// number cut to 4 and its second to 6.
inline constexpr TQSOColumns kWide{{31, 43}, {45, 47}, {49, 52}, {54, 59}, {61, 73},
                                   {75, 77}, {79, 82}, {84, 89}, {91, 91}, 91};

// The transmitter number starts in its column; a number of two or three digits runs on
// past the line's length (it is the last field).
inline constexpr int kMaxTransmitterDigits = 3;
constexpr TColumn TransmitterField(const TQSOColumns& c) {
    return c.transmitter.Width() > 0 ? TColumn{c.transmitter.first, c.transmitter.first + kMaxTransmitterDigits - 1}
                                     : kAbsent;
}

// The part after the time of a QTC row.
struct TQTCColumns {
    TColumn firstCall;  // the station that received the QTCs
    TColumn group;
    TColumn secondCall;  // the station that sent them
    TColumn qtcTime;     // right-justified
    TColumn qtcCall;
    TColumn qtcSerial;  // right-justified
    int lineLength;
};
inline constexpr TQTCColumns kQTC{{31, 43}, {45, 50}, {56, 68}, {70, 73}, {75, 87}, {89, 92}, 92};

// Frequencies up to this many kHz fit the frequency column; a line whose frequency is
// not known, or lies outside its band, gets the band's fixed text.
inline constexpr std::uint32_t kMaxColumnFrequency = 99999;

// A QTC group "a/b" of two whole numbers spelled with at least 3 and 2 digits
// ("3/10" -> "003/10"); any other text unchanged.
inline std::string FormatQTCGroup(std::string_view group) {
    std::size_t slash = group.find('/');
    if (slash == std::string_view::npos) return std::string(group);
    std::int32_t serial = 0, size = 0;
    if (!TryStrToInt(group.substr(0, slash), serial) || !TryStrToInt(group.substr(slash + 1), size))
        return std::string(group);
    return Format("%.3d/%.2d", serial, size);
}

}  // namespace qz::cabrillo
