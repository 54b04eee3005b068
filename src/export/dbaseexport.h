// The dBase writer: a dBase III table (no memo file) of 22 fixed fields, one record
// per log line.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "base/datetime.h"
#include "export/exporter.h"

namespace qz {

namespace dbf {
inline constexpr std::size_t kFileHeaderSize = 32;
inline constexpr std::size_t kDescriptorSize = 32;
inline constexpr std::size_t kNoOfFields = 22;
inline constexpr std::size_t kHeaderLength = kFileHeaderSize + kNoOfFields * kDescriptorSize + 2;  // 738
inline constexpr std::size_t kRecordLength = 166;
}  // namespace dbf

struct TdBaseField {
    std::string_view name;
    char type;  // C character, N numeric, L logical
    std::uint8_t length;
    std::uint8_t decimals;
};

// The fields of the table in their order.
const std::array<TdBaseField, dbf::kNoOfFields>& DBaseFields();
// The FREQUENZ value of each band and the MODE name of each mode (cut to three
// characters in the table).
std::string_view DBaseFrequency(TBand band);
std::string_view DBaseModeName(TMode mode);

class TdBaseExport : public TExport {
public:
    using TExport::TExport;

    // The whole table, dated `writtenAt` (local date of writing).
    std::string TableBytes(TDateTime writtenAt) const;
    // After the base's overwrite question writes the table atomically; false when the
    // user kept an existing file or writing failed (LastError() says why).
    bool WriteLog(const std::string& fileName) override;
    const std::string& LastError() const { return FError; }

private:
    // Writes the values of the log line at `index` into its blank record.
    void WriteRecord(char* record, int index) const;

    std::string FError;
};

}  // namespace qz
