// The reader of QW binary logs: a 1240-byte header, 62-byte QSO records with the
// received RST and number packed into one integer, and a companion file of QTC groups.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "base/datetime.h"
#include "domain/defs.h"
#include "import/binaryconvert.h"

namespace qz {

namespace qw {
inline constexpr std::size_t kHeaderSize = 1240;
inline constexpr std::size_t kRecordSize = 62;
inline constexpr std::size_t kQTCRecordSize = 302;
inline constexpr std::size_t kOwnCallOffset = 14, kOwnLocatorOffset = 29, kOwnDOKOffset = 339;
}  // namespace qw

// A short string (length byte, then up to `maxLength` characters) at `offset` of
// `bytes`; a length byte beyond the field is cut to it. The caller guarantees that the
// field lies within `bytes`.
std::string QWShortString(std::string_view bytes, std::size_t offset, std::size_t maxLength);
// The date and time of texts YYMMDD and HHMM (years up to 90 are 20xx); 0 when a part
// is no number or the date or time does not exist.
TDateTime QWDateTimeOf(std::string_view date, std::string_view time);
// Band codes 1 to 6; every other code is the satellite band.
TBand QWBandOf(std::uint8_t code);

class TQWConvert : public TBinaryConvert {
public:
    TQWConvert(std::string fileName, std::vector<std::string>* messages);
    TQWConvert(std::string_view bytes, std::string fileName, std::vector<std::string>* messages);

    // ftQW4 when the file is longer than 1240 bytes and its body a whole number of
    // 62-byte records.
    TFileType CheckFormat() override;

    // The band of each band code 1 to 6.
    const std::array<TBand, 6>& BandAssignment() const { return FQWBandArr; }

private:
    TFileType VersionTest(bool showMessageBoxes);
    bool BuildLog(bool showMessageBoxes) override;
    void ReadRecord(std::string_view record);
    void SetReceived(TQSO& q, const std::string& number, const std::string& locator, const std::string& dok);
    void ReadQTCFile();

    std::array<TBand, 6> FQWBandArr{};
};

}  // namespace qz
