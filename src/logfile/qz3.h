// Conversion of legacy version-3 logs ("QZ v 3.00", 35-byte records) into native logs.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "domain/cty.h"
#include "domain/defs.h"
#include "engine/contestlog.h"
#include "logfile/qzf.h"

namespace qz {

namespace qz3 {
inline constexpr std::size_t kRecordSize = 35;
inline constexpr int kNoOfContestCodes = 44;

// How a legacy contest code maps to a contest and which exchange fields it used.
struct TContestCode {
    TContest contest;
    bool sentSerial, sentText, rcvdSerial, rcvdText;
};
const TContestCode& ContestCode(int code);  // code in 0..kNoOfContestCodes-1

// Legacy band codes 1..6; false for any other code.
bool BandFromCode(int code, TBand& band);

// The first valid MS-DOS time stamp at or after `stamp` (counting up and wrapping
// past the largest value, as incrementing a 32-bit value would), computed directly.
std::uint32_t NextValidDosStamp(std::uint32_t stamp);
// Date and time of a valid stamp.
TDateTime DosStampToDateTime(std::uint32_t stamp);
}  // namespace qz3

class TQZ3 {
public:
    explicit TQZ3(std::string fileName);

    // Converts the file and returns the name of the native log written, or "" when
    // nothing was written (LastError() says why; Cancelled() when the user kept an
    // existing file). The file is read and checked before anything on disk changes.
    // Unless TargetFileName is set, a source whose extension is not ".qzf" (any case)
    // is first renamed to ".QZ3" in its own folder and the log is written beside it
    // with the extension ".QZF"; a ".qzf" source is replaced by the converted log. When
    // writing fails or is declined after the rename, the rename is undone.
    std::string ConvertLog();

    // Reads a version-3 file held in memory into a new native log (lines in time
    // order); nullptr with LastError() naming the file and line when it is damaged. A
    // file cut inside its last record gives the complete records, the cut one in
    // Dropped.
    std::unique_ptr<TContestLog> ReadFromBytes(std::string_view bytes);

    // Ask before an existing ".QZ3" or native file is replaced; false replaces it.
    bool Ask4Overwrite = true;
    // When set, the log is written to this name (extension made ".QZF") and the source
    // is left as it is.
    std::string TargetFileName;
    // When not cNoContest, the contest to use instead of the file's contest code.
    TContest FixContest = cNoContest;
    // Country data for the new log; without it the installed country file is loaded.
    std::shared_ptr<const TCtyStuff> Cty;
    TContestLogMaker LogMaker;
    // The lines the last read left out.
    TDroppedLines Dropped;

    const std::string& FileName() const { return FFileName; }
    const std::string& LastError() const { return FLastError; }
    bool Cancelled() const { return FCancelled; }

private:
    bool MoveSourceAside(std::string& movedTo);

    std::string FFileName;
    std::string FLastError;
    bool FCancelled = false;
};

}  // namespace qz
