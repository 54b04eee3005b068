// The reader of CT binary logs (three versions, told apart by a mark in the header) and
// of their companion file of QTC records.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "base/datetime.h"
#include "domain/defs.h"
#include "import/binaryconvert.h"

namespace qz {

namespace ct {
// Sizes and offsets of the file layout.
inline constexpr std::size_t kHeaderRecordSize = 1024;  // the interpreted part of the header
inline constexpr std::size_t kHeaderSizeCT8 = 1024;
inline constexpr std::size_t kHeaderSizeCT9 = 4096;  // also CT10
inline constexpr std::size_t kRecordSize = 50;
inline constexpr std::size_t kRecordTrailerCT10 = 14;
inline constexpr std::size_t kQTCRecordSize = 64;
inline constexpr std::size_t kVersionOffset = 32, kVersionSize = 12;
inline constexpr std::size_t kCallOffset = 48, kNameOffset = 80, kAddressOffset = 112, kTownOffset = 176;
inline constexpr std::size_t kStateOffset = 208, kContestOffset = 256, kCategoryOffset = 258, kZipOffset = 486;
inline constexpr std::size_t kClubOffset = 638, kPowerCategoryOffset = 860;
// Seconds the older versions stored local to the program's home time.
inline constexpr std::int32_t kOldTimeShift = 25200;
// Contest codes of the header that change the band table.
inline constexpr std::uint8_t kAR10 = 5, kVHF = 8, kFD = 9, kDXPN = 11, kCQP = 12, kIOTA = 20, kVHFS = 15;
inline constexpr std::uint8_t kFQPfl = 21, kFQPnfl = 22;
}  // namespace ct

// The contest a header contest code selects (cNoContest for codes without one).
TContest CTContestOf(std::uint8_t code);
// The band of band code `code` in a log of header contest `contestCode`; false when
// the code lies beyond the contest's band table.
bool CTBandOf(std::uint8_t contestCode, std::uint8_t code, TBand& band);
// The time of a record: seconds since 1970, less seven hours when `shifted`.
TDateTime CTTimeOf(std::int32_t seconds, bool shifted);
// Whether a version-9 text's sub-version (characters 6 and 7) is "34" or later,
// compared as text.
bool CTSubVersionAtLeast34(std::string_view versionText);

class TCTConvert : public TBinaryConvert {
public:
    using TBinaryConvert::TBinaryConvert;

    // ftCT8, ftCT9 or ftCT10 by the header's version mark; ftUnknown when the file is
    // no longer than 1024 bytes, has no known mark or is no longer than its header.
    TFileType CheckFormat() override;

    // Set by the version test: a version-9 file of sub-version 34 or later.
    bool CTSubVersionGreaterThan934 = false;
    // The first 1024 bytes of the file, as read by the version test.
    const std::string& Header() const { return FHeader; }

private:
    TFileType VersionTest(bool showMessageBoxes);
    bool BuildLog(bool showMessageBoxes) override;
    TFileHeader ReadFileHeader() const;
    bool ReadRecords(TFileType type);
    void ReadRecord(std::string_view record, std::size_t number, bool shifted);
    void SetReceived(TQSO& q, std::string_view record);
    void ReadQTCFile(bool shifted);

    std::string FHeader;
    std::uint8_t FContestCode = 0;
};

}  // namespace qz
