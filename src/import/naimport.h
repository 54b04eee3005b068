// The reader of NA logs: an 800-byte header and 40-byte records whose exchange text is
// split into fields by one of thirteen column layouts, chosen by the number stored in
// the log's template file.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "base/datetime.h"
#include "domain/defs.h"
#include "import/binaryconvert.h"

namespace qz {

namespace na {
inline constexpr std::size_t kHeaderSize = 800;
inline constexpr std::size_t kRecordSize = 40;
inline constexpr std::size_t kCallOffset = 1, kCallSize = 12;
inline constexpr std::size_t kTemplateNameOffset = 394, kTemplateNameSize = 8;
inline constexpr std::size_t kTextOffset = 9, kTextSize = 31;
inline constexpr std::size_t kTemplateNumberOffset = 71;
inline constexpr int kNoOfTemplates = 13;
}  // namespace na

// Columns of the exchange text (counted from 1, both included; 0 = not used).
struct TNAColumns {
    int from = 0, to = 0;
};

// The fields one template layout takes from the exchange text.
struct TNATemplate {
    std::string_view name;
    TNAColumns sentRST, rcvdRST;
    std::array<TNAColumns, 4> numbers;  // received numbers 0 to 3
};

// The layout of template `number` (1 to 13); nullptr for any other number.
const TNATemplate* NATemplate(int number);
// The names of the layouts in the order of their numbers (for the template dialog).
std::array<std::string_view, na::kNoOfTemplates> NATemplateNames();

// Time of a record: seconds since 1970 plus ten years (a 29 February becomes the 28th),
// less one day in a version-10 file.
TDateTime NATimeOf(std::uint32_t seconds, bool version9);
// The band of band number `n` (every number outside the table is 2 m).
TBand NABandOf(std::uint32_t n);

class TNAConvert : public TBinaryConvert {
public:
    using TBinaryConvert::TBinaryConvert;

    // ftNA10 when the file is longer than 800 bytes and a whole number of 40-byte
    // records long.
    TFileType CheckFormat() override;

    // The template number used when the log's template file is missing and no dialog is
    // shown (0: time, band, mode and call only); the dialog's choice when it is.
    int TemplateNumber = 0;
    // A template file chosen instead (used when TemplateNumber is -1).
    std::string TemplateFile;
    // The template dialog, shown with message boxes when the template file is missing:
    // the missing file's name; sets TemplateNumber (1-13, or -1 with TemplateFile);
    // false cancels the import.
    std::function<bool(const std::string& missingFile, int& templateNumber, std::string& templateFile)> ChooseTemplate;
    // The folder the template files are looked up in (default: the data folder).
    std::string TemplateFolder;

    // The template file name the header names ("" when it names none or a name that is
    // no plain file name), and its version-dependent extension.
    std::string TemplateFileName() const;

private:
    TFileType VersionTest(bool showMessageBoxes);
    bool BuildLog(bool showMessageBoxes) override;
    bool FindTemplate(bool showMessageBoxes, int& number);
    bool ReadTemplateNumber(const std::string& file, int& number, bool showMessageBoxes);
    void ReadRecord(std::string_view record, std::size_t number, const TNATemplate* layout, bool version9);

    std::string FHeader;
};

}  // namespace qz
