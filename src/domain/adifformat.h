// The ADIF subset as this system writes and reads it: the tag rule, the field names,
// the information block the writer puts before the header and the marker the reader
// uses for an absent field. Writer and reader both take their names from here.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace qz::adif {

// "<name:length>value", or "<name>" for an empty value; the length is counted in bytes.
inline std::string MakeTag(std::string_view name, std::string_view value) {
    std::string tag;
    tag.reserve(name.size() + value.size() + 8);
    tag += '<';
    tag += name;
    if (!value.empty()) {
        tag += ':';
        tag += std::to_string(value.size());
    }
    tag += '>';
    tag += value;
    return tag;
}

inline void AppendTag(std::string& text, std::string_view name, std::string_view value) {
    text += MakeTag(name, value);
}

inline constexpr std::string_view kCall = "call";
inline constexpr std::string_view kBand = "band";
inline constexpr std::string_view kFreq = "freq";
inline constexpr std::string_view kMode = "mode";
inline constexpr std::string_view kQSODate = "qso_date";
inline constexpr std::string_view kTimeOn = "time_on";
inline constexpr std::string_view kTimeOff = "time_off";
inline constexpr std::string_view kRSTSent = "rst_sent";
inline constexpr std::string_view kRSTRcvd = "rst_rcvd";
inline constexpr std::string_view kSTX = "stx";
inline constexpr std::string_view kSRX = "srx";
inline constexpr std::string_view kComment = "comment";
inline constexpr std::string_view kQSLSent = "qsl_sent";
inline constexpr std::string_view kQSLRcvd = "qsl_rcvd";
inline constexpr std::string_view kContestId = "contest_id";
inline constexpr std::string_view kAdifVer = "adif_ver";
inline constexpr std::string_view kStationCallsign = "station_callsign";
inline constexpr std::string_view kOperator = "operator";
inline constexpr std::string_view kEOH = "eoh";
inline constexpr std::string_view kEOR = "eor";

// The version the writer declares.
inline constexpr std::string_view kVersion = "1.00";

// The information block before the header: the own call travels in it.
inline constexpr std::string_view kInfoBegin = "[BEGIN_QZ_INFO]";
inline constexpr std::string_view kInfoEnd = "[END_QZ_INFO]";
inline constexpr std::string_view kInfoVersion = "QZ__Version";
inline constexpr std::string_view kInfoCall = "QZ__Call";

// The field names a received number may be written under, in the order the
// configuration offers them.
inline constexpr std::array<std::string_view, 15> kRcvdFieldChoices = {
    "srx",  "comment", "age", "cnty", "cont",   "cqz",   "dxcc",   "gridsquare",
    "iota", "ituz",    "pfx", "qth",  "rx_pwr", "state", "ve_prov"};

}  // namespace qz::adif
