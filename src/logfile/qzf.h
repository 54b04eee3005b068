// The native log file (".QZF"): a 4096-byte header followed by one variable-length
// record per line. Writing, reading, the header-only preview and recognising a file.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "base/droppedlines.h"
#include "base/fileio.h"
#include "domain/cty.h"
#include "domain/defs.h"
#include "engine/contestlog.h"

namespace qz {

// Layout constants shared by the reader and the writer.
namespace qzf {
// band, mode, date-time, two RSTs (length byte + 3), flags, two 16-bit counts.
inline constexpr std::size_t kRecordFixedSize = 23;
inline constexpr std::size_t kRSTFieldSize = 1 + kRSTStrLen;
inline constexpr std::size_t kMaxStringLength = 255;
inline constexpr std::int32_t kMaxCommentLength = 4096;
// Flags that a record keeps (bit i = TQSOFlags ordinal i): sent/received QTC, user
// deleted, questionable, cross-checked, comment added. Compile results are not kept.
inline constexpr std::uint8_t kStoredFlagBits = 0xDE;
// Bit 5 of the flags byte, which readers have always masked off: the record carries
// one sent-number string more than its log's count, the line data that has no field
// of its own (kLineData*). A reader that does not know the bit reads that string as a
// surplus sent number and drops it, as it drops every number beyond its log's count.
inline constexpr std::uint8_t kLineDataFlagBit = 0x20;
// The line data string: the frequency in kHz (32 bits), then the transmitter number
// (8 bits). A reader takes the fields the string is long enough for and ignores bytes
// after them, so fields can be appended later.
inline constexpr std::size_t kLineDataFrequencyEnd = 4;
inline constexpr std::size_t kLineDataTransmitterEnd = 5;
inline constexpr std::string_view kExtension = ".QZF";
}  // namespace qzf

// The header of a log that has never been stored: program version, all 40 column
// entries unused, messages window shown, single-operator low-power categories, ARRL
// section "DX", no contest and the installed country file.
TFileHeader NewFileHeader();

// Derives or clears the fields that older program versions did not write, judged by
// the main and sub version of the version that last modified the file: the seven
// category fields, the name and specific datum, the year and the read-only flag.
void UpgradeFileHeader(TFileHeader& header);
// The seven category fields derived from the participation and power category of the
// program versions before them (the first step of UpgradeFileHeader).
void DeriveCategoriesFromOldFields(TFileHeader& header);

// Recognition from the first bytes of a file (at least 10 when available) and its size.
// A native log is at least 4096 bytes long and starts with a version string reading
// "QZ v"; its first six characters decide ftQZ4 ("QZ v 4"), ftQZ3 ("QZ v 3") or
// ftUnknown. A legacy version-3 log is also recognised when it is shorter than 4096
// bytes (it holds 35-byte records and need not reach that size).
bool IsNativeLog(std::string_view firstBytes, std::uint64_t fileSize);
TFileType NativeFileType(std::string_view firstBytes, std::uint64_t fileSize);
// A file that starts like a version-4 native log but ends inside its header.
bool IsCutNativeHeader(std::string_view firstBytes, std::uint64_t fileSize);
// The same for a file on disk; ftUnknown when it cannot be read.
TFileType NativeFileTypeOfFile(const std::string& fileName);

// The name a log is stored under: the extension replaced by ".QZF" (also a lower-case
// ".qzf"), unless a file of that name in another letter case already exists, whose
// spelling is then kept.
std::string NativeFileName(const std::string& fileName);
// The file name (without folder) a new log is first offered under:
// "CALL-CONTEST-YEAR.QZF", e.g. "DL1ABC-P-CQ-WW-CW-2024.QZF". A "/" in the call and any
// character other than a letter, digit or "-" become "-"; an empty call or contest
// and a year of 0 are left out. "QZ.QZF" when nothing is left.
std::string ProposedNativeFileName(std::string_view ownCall, std::string_view contestShortName, int year);

// The header of a version-4 native log held in `bytes` (at least its 4096 bytes), with
// the upgrade rules applied; false with `error` naming the file when the bytes are no
// such log or the header is damaged.
bool ReadNativeHeader(std::string_view bytes, const std::string& fileName, TFileHeader& header, std::string* error);

// Builds the contest log for a header; the default is the contest factory.
using TContestLogMaker =
    std::function<std::unique_ptr<TContestLog>(const TFileHeader& header, std::shared_ptr<const TCtyStuff> cty)>;
std::unique_ptr<TContestLog> MakeLogWithFactory(const TFileHeader& header, std::shared_ptr<const TCtyStuff> cty);

// Appends every line to `log` in time order, lines of equal time in the given order.
void AppendInTimeOrder(TContestLog& log, std::vector<std::unique_ptr<TQSO>>& lines);

class TQZF {
public:
    TQZF();

    // Stores the log under NativeFileName(fileName) and returns that name, or "" when
    // nothing was written. The file is replaced only after everything was written (a
    // temporary file in the same folder is renamed over it), so a failed write leaves
    // an existing file untouched; LastError() then names the file and the reason.
    // With `ask4Overwrite` an existing file is overwritten only after the user agrees
    // (AskYesNoCancel); "No" offers ChooseSaveName and asks again for the new name,
    // and without a ChooseSaveName it means "do not overwrite" (Cancelled() is true).
    // Updates the log's header (version, time stamps, number of lines) and adds
    // qfCommentAdded to every line that has a comment.
    std::string StoreLog(const std::string& fileName, TContestLog& log, bool ask4Overwrite);

    // The bytes StoreLog writes, after updating the header as StoreLog does.
    static std::string EncodeLog(TContestLog& log);

    // Reads a native log; nullptr when the file is no version-4 native log, is damaged
    // (LastError() names the file and, for a line, its 1-based number) or when no
    // contest log could be made for its header. `cty` hands in country data that is
    // already loaded; without it the header's country file is loaded.
    std::unique_ptr<TContestLog> ReadLog(const std::string& fileName, std::shared_ptr<const TCtyStuff> cty = nullptr);
    // The same for bytes in memory; `fileName` only names them in errors.
    std::unique_ptr<TContestLog> ReadLogFromBytes(std::string_view bytes, const std::string& fileName,
                                                  std::shared_ptr<const TCtyStuff> cty = nullptr);

    // The header with the upgrade rules applied and fhContest_Year set from the first
    // line; false when the file holds no complete header plus one fixed record part.
    bool ReadPreviewInformation(const std::string& fileName, TFileHeader& header);
    bool ReadPreviewFromBytes(std::string_view bytes, const std::string& fileName, TFileHeader& header);

    // The file last written or read.
    const std::string& FileName() const { return FFileName; }
    const std::string& LastError() const { return FLastError; }
    // The last StoreLog wrote nothing because the user kept an existing file.
    bool Cancelled() const { return FCancelled; }

    // The save dialog: offers another name for a file that the user does not want to
    // overwrite; false when the user cancels it. Not set: no dialog can be shown.
    std::function<bool(std::string& fileName)> ChooseSaveName;
    TContestLogMaker LogMaker;
    // Remarks on a log that was read (not owned, may be nullptr): records of nothing
    // but zero bytes, which are no lines and are skipped, and a number of records that
    // differs from the header's count. Each names the file.
    std::vector<std::string>* Messages = nullptr;
    // The lines the last read left out: a last record cut by the end of the file.
    TDroppedLines Dropped;

private:
    bool Fail(const std::string& message);

    std::string FFileName;
    std::string FLastError;
    bool FCancelled = false;
};

}  // namespace qz
