// One line of a contest log: a QSO or a sent/received QTC, with the free-text
// parse-and-set operations that every editor, importer and the clipboard go through.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "domain/blockpool.h"
#include "domain/call.h"
#include "domain/linetexts.h"
#include "domain/rsttext.h"
#include "domain/defs.h"

namespace qz {

class TCtyStuff;

// What a line needs to know about the log it belongs to. The contest log implements
// it; a line holds a non-owning reference to its own log, set when it is created.
class TQSOOwner {
public:
    virtual int NoOfSentNumbers() const = 0;
    virtual int NoOfRcvdNumbers() const = 0;
    virtual int NoOfMulties() const = 0;
    virtual bool IsAQTCRcvdNumber(int numberIndex) const = 0;
    virtual int GetSentNumericNumberIndex() const = 0;
    virtual std::string GetNextSentQSONumber(int numberIndex) const = 0;
    virtual std::string GetSwisslogSPField(int qsoIndex) const = 0;
    virtual const TCtyStuff* CtyStuff() const = 0;

protected:
    ~TQSOOwner() = default;
};

// Characters the decimal separator of the user's locale; '.' in the C locale.
char LocaleDecimalSeparator();

// The comment lines of a log line. Few lines have any, so they are kept apart and a
// line without comment spends one pointer on them.
class TCommentLines {
public:
    TCommentLines() = default;
    TCommentLines(const TCommentLines& other) { *this = other; }
    TCommentLines& operator=(const TCommentLines& other) {
        if (this != &other) Assign(other.Lines());
        return *this;
    }
    TCommentLines(TCommentLines&&) noexcept = default;
    TCommentLines& operator=(TCommentLines&&) noexcept = default;
    ~TCommentLines() = default;

    const std::vector<std::string>& Lines() const;
    void Assign(const std::vector<std::string>& lines);

private:
    std::unique_ptr<std::vector<std::string>> FLines;
};

class TQSO {
public:
    // A new line with the log's counts, dated 29 February 2000 00:00 (a date not yet
    // entered), mode CW with the default RSTs.
    TQSO(const TQSOOwner* log, bool setEditedFlag);

    // Lines come from the block pool: a log makes and drops them by the ten thousand.
    static void* operator new(std::size_t size) { return blockpool::Allocate(size); }
    static void operator delete(void* p, std::size_t size) noexcept { blockpool::Release(p, size); }

    const TQSOOwner* Owner() const { return FOwner; }
    // Moves the line to another log (used when a log is re-created); list sizes follow.
    void SetOwner(const TQSOOwner* log);

    // Properties
    TBand Band() const { return FBand; }
    void SetBand(TBand b) { FBand = b; }
    TMode Mode() const { return FMode; }
    void SetMode(TMode m);
    TDateTime DateTime() const { return FDateTime; }
    void SetDateTime(TDateTime dt) { FDateTime = dt; }
    const TCall& Call() const { return FCall; }
    void SetCall(std::string_view call) { FCall.SetCall(call); }
    std::string_view SentRST() const { return FSentRST; }
    std::string_view RcvdRST() const { return FRcvdRST; }
    // Direct writes as the file readers use them; false when a non-empty value is no
    // integer (the value is then left unchanged).
    bool SetSentRST(std::string_view rst) { return WriteRST(FSentRST, rst); }
    bool SetRcvdRST(std::string_view rst) { return WriteRST(FRcvdRST, rst); }
    std::int32_t Points() const { return FPoints; }
    void SetPoints(std::int32_t p) { FPoints = p; }
    SQSOFlags QSOFlags() const { return FQSOFlags; }
    void SetQSOFlags(SQSOFlags flags);
    // Adds or removes a status flag other than the two QTC kinds, with no side effects.
    void IncludeFlag(TQSOFlags flag) { FQSOFlags.Include(flag); }
    void ExcludeFlag(TQSOFlags flag) { FQSOFlags.Exclude(flag); }
    bool TimeHasBeenSet() const { return FTimeHasBeenSet; }
    void SetTimeHasBeenSet(bool v) { FTimeHasBeenSet = v; }
    bool Selected() const { return FSelected; }
    void SetSelected(bool v) { FSelected = v; }
    const std::vector<std::string>& Comment() const { return FComment.Lines(); }
    void SetComment(const std::vector<std::string>& lines);
    // The logged frequency in kHz as a log file gave it; 0 when only the band is known.
    std::uint32_t Frequency() const { return FFrequency; }
    void SetFrequency(std::uint32_t kHz) { FFrequency = kHz; }
    // The logged frequency when it lies in the line's band (the band may have been
    // changed since), else 0: what an export may write instead of the band.
    std::uint32_t FrequencyInBand() const;
    // The number of the transmitter that made the QSO (0 or 1 in a multi-two log).
    std::uint8_t TransmitterNumber() const { return FTransmitterNumber; }
    void SetTransmitterNumber(std::uint8_t n) { FTransmitterNumber = n; }

    // Indexed access; reads give "" (false) outside the log's counts, writes are ignored.
    std::string SentNumbers(int i) const;
    void SetSentNumbers(int i, std::string_view value);
    // Sets sent number i to that of `from` (a new line keeping the previous line's
    // exchange), without a string of its own.
    void CopySentNumber(int i, const TQSO& from);
    std::string RcvdNumbers(int i) const;
    void SetRcvdNumbers(int i, std::string_view value);
    bool RcvdHasBeenSet(int i) const;
    void SetRcvdHasBeenSet(int i, bool value);
    std::string Multies(int i) const;
    void SetMulties(int i, std::string_view value);
    void ClearMulties();

    bool IsQTC() const { return FQSOFlags.Contains(qfSentQTC) || FQSOFlags.Contains(qfRcvdQTC); }
    // 0 = QSO, 1 = sent QTC, 2 = received QTC.
    int QTCKind() const;
    // None of qfDupe, qfUserDeleted, qfTooManyQTCs, qfInvalid.
    bool IsGood() const;

    // Parse-and-set operations (false: text not accepted, field unchanged)
    bool SetChangedBand(std::string_view text);
    bool SetChangedBandEx(std::string_view text, char decimalSeparator = LocaleDecimalSeparator());
    bool SetChangedMode(std::string_view text);
    bool SetChangedModeEx(std::string_view text);
    bool SetChangedDay(std::string_view text);
    bool SetChangedMonth(int month);
    bool SetChangedMonthEx(std::string_view text);
    bool SetChangedYear(std::string_view text);
    bool SetChangedDate(TDateTime date);
    bool SetChangedTime(std::string_view text);
    bool SetChangedHour(std::string_view text);
    bool SetChangedMinute(std::string_view text);
    bool SetChangedCall(std::string_view text);
    bool SetChangedRST(TColumnProperty whatRST, std::string_view text);
    bool SetChangedNumber(TColumnProperty whatNumber, int index, std::string_view text);
    bool SetChangedQTCFlag(int index, bool handleSentNumbers);

    // Formatting
    std::string GetFormattedCall(int len) const;
    std::string GetFormattedBand() const;
    std::string GetFormattedMode() const;
    std::string GetFormattedDate(TPartOfDate part) const;
    std::string GetFormattedTime(TPartOfTime part) const;

    // Comparing and copying
    bool SameQSO(const TQSO* another) const;
    bool CopyFrom(const TQSO* another);
    // One Swisslog import line.
    std::string AsSWI(int qsoIndex) const;

private:
    bool WriteRST(TRSTText& field, std::string_view value);
    void FitListsToOwner();
    int SentCount() const;
    int RcvdCount() const;
    int MultiCount() const;

    // The large members first, the small ones packed behind them: a log holds tens of
    // thousands of lines.
    const TQSOOwner* FOwner;
    TDateTime FDateTime = 0;
    TCall FCall;
    TLineTexts FTexts;  // sent and received numbers, multipliers
    // Bit i: received number i was typed or read (numbers 0 to 63).
    std::uint64_t FRcvdHasBeenSet = 0;
    TCommentLines FComment;
    std::int32_t FPoints = 0;
    std::uint32_t FFrequency = 0;
    SQSOFlags FQSOFlags;
    TBand FBand = b160m;
    TMode FMode = mCW;
    TRSTText FSentRST;
    TRSTText FRcvdRST;
    bool FTimeHasBeenSet = false;
    bool FSelected = false;
    std::uint8_t FTransmitterNumber = 0;
};

// The band for an amount a = round(f * 1000) of a typed frequency or wavelength;
// false when no range contains it.
bool BandFromAmount(std::int64_t amount, TBand& band);
// The band a person typed: its name ("40m", case ignored), a wavelength number ("40")
// or a frequency in MHz or kHz ("7.010", "7010"); false when no band matches.
bool BandFromTyping(std::string_view text, TBand& band);
// The mode for a spelling of another logger; false when none matches.
bool ModeFromSpelling(std::string_view text, TMode& mode);

}  // namespace qz
