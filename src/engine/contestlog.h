// One station's log for one contest: the lines, the header that travels with them, the
// country data and own call they are checked against, the editor's column model, the
// compile pass, and the virtual rule operations that contest classes override as their
// rules require. The undo history (undo.h), the result counters (compileresult.h), the
// checks and bulk edits (checks.h) and the clipboard text (clipboard.h) live apart.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "domain/defs.h"
#include "engine/compileresult.h"
#include "engine/compilesettings.h"
#include "engine/loglines.h"
#include "engine/ruledata.h"

namespace qz {

class TAmiAllocationTable;
class TMiscAllocationTable;
class TMemberList;
class TSimpleList;
struct TPassState;
enum class TLineCount : std::uint8_t;

struct TColumnDescriptor {
    TColumnProperty ColumnProperty = cpNr;
    std::string HeaderString;
    std::int32_t ArrayIndex = -1;
    S_QSO_QTC QSO_QTC;
    std::string STFOrderKeyWord;
};

class TContestLog : public TLogLines {
public:
    virtual ~TContestLog();
    TContestLog(const TContestLog&) = delete;
    TContestLog& operator=(const TContestLog&) = delete;

    // Second construction phase: loads the country data, applies the side switch,
    // takes over the header and builds columns and special countries. Contest classes
    // set their definition in their own constructors first; the factory calls Init.
    // `cty` may hand in country data that is already loaded (it is then shared, not
    // owned; it must outlive the log), otherwise the header's country file is loaded.
    void Init(const TFileHeader& header, std::shared_ptr<const TCtyStuff> cty = nullptr);

    TContestLogCreateError ContestLogCreateError = ENoError;
    // Also takes the header's contest as the log's.
    bool UpdateFileHeader(const TFileHeader& header) override;
    // This log took the place of `previous` (another contest or country file) with copies
    // of its lines: undoing the step gives `previous` back (see SwitchLogs).
    void RecordReplacing(std::unique_ptr<TContestLog> previous);
    // After Undo (`undoing`) or Redo answered LogReplaced: the log that takes `current`'s
    // place, holding `current` in its history for the opposite command.
    static std::unique_ptr<TContestLog> SwitchLogs(std::unique_ptr<TContestLog> current, bool undoing);
    std::string GetLongContestName() const;

    TContest Contest() const { return FContest; }
    int NoOfSentNumbers() const override { return FNoOfSentNumbers; }
    int NoOfRcvdNumbers() const override { return FNoOfRcvdNumbers; }
    int NoOfMulties() const override { return FNoOfMulties; }
    bool ShowModeInCategory() const { return FShowModeInCategory; }
    bool ShowTimeInCategory() const { return FShowTimeInCategory; }
    bool ShowOverlayInCategory() const { return FShowOverlayInCategory; }
    SBand Bands() const { return FBands; }
    SMode Modes() const { return FModes; }
    TAmiAllocationTable* AmiAllocationTable() const { return FAmiAllocationTable.get(); }
    TMiscAllocationTable* MiscAllocationTable() const { return FMiscAllocationTable.get(); }
    TMemberList* MemberList() const { return FMemberList.get(); }
    TSimpleList* SimpleList() const { return FSimpleList.get(); }
    const std::vector<std::string>& SpecialCountriesList() const { return FSpecialCountries; }

    // Appends the line a typist starts next (the contest's defaults: band, mode and
    // time of the last line, the next serial number), exactly one, with its undo
    // record; returns its index.
    int AppendNewLine();
    bool BandIsAllowed(TBand band) const { return FBands.Contains(band); }
    bool ModeIsAllowed(TMode mode) const { return FModes.Contains(mode); }

    std::string GetNextSentQSONumber(int numberIndex) const override;
    int GetNextSentQTCSerialNumber() const;

    void SetColumn(TColumnProperty property, int headerStringIndex, int arrayIndex, S_QSO_QTC qsoQtc,
                   std::string_view stfOrderKeyWord);
    int NoOfColumns() const { return static_cast<int>(FColumnDescriptors.size()); }
    const std::vector<TColumnDescriptor>& Columns() const { return FColumnDescriptors; }
    TColumnProperty ColumnProperty(int col) const;
    std::string ColumnHeader(int col) const;
    std::int32_t ColumnArrayIndex(int col) const;
    S_QSO_QTC ColumnQSO_QTC(int col) const;
    std::string ColumnSTFOrderKeyWord(int col) const;
    int GetColumnNumberFromProperty(TColumnProperty property, int arrayIndex, int noOfColumns) const;

    // Applies the rules to every line with `settings`; they stay in force for the
    // validity checks asked after the pass (CompileSettings) until the next one.
    const TCompileResult& Compile(const TCompileSettings& settings = TCompileSettings());
    const TCompileResult& Result() const { return FResult; }
    // The closing line of a compile's messages: "Done (N Points)" with the final result.
    std::string CompileDoneMessage() const;
    const TCompileSettings& CompileSettings() const { return FCompileSettings; }
    // Evaluates the lines from `row` to the end again, in their current order and with
    // the last compile's settings, after lines from `row` on were changed or appended:
    // points, multipliers, dupe and invalid flags, the results and the multiplier
    // register come out as a Compile that does not sort would give them. Lines are
    // neither moved nor deleted nor retimed. The pass takes back what the lines from
    // `row` on had added to its indexes, so the cost grows with the lines after `row`
    // only. It starts earlier when lines before `row` were moved, inserted or removed
    // since the last pass, or when a contest's rule ties an earlier line to a later one.
    // Messages about the lines evaluated go to MessageLines. Returns the first line
    // evaluated.
    int RecompileFrom(int row);

    // Line `row` judged with the data of `line` instead of its own against the lines
    // before it, as the next RecompileFrom(row) would judge it. Nothing in the log
    // changes; costs about as much as evaluating one line.
    TLineForecast ForecastLine(int row, const TQSO& line);

    const std::vector<TMultiList>& MultiList() const { return FResult.multiList; }

    std::string QueryExchangeValue(int promptStringIndex, const std::string& def) const;
    std::string NextSentSerialText(int numberIndex) const;
    // The comment summary (the result overview is the virtual WriteResults).
    void WriteAllComments(std::vector<std::string>& destination) const;

    // The rule operations.
    virtual bool IsDupe(int index);                                          // 0
    virtual std::string GetMulti(int index, int multiIndex);                 // 1
    virtual std::int32_t GetPoints(int index);                               // 2
    virtual std::int64_t GetFinalResult() const;                             // 3
    virtual void WriteResults(std::vector<std::string>& destination) const;  // 4
    virtual void CreateAndAppendQSO(bool setEditedFlag);                     // 5
    virtual void SetColumns();                                               // 6
    virtual std::string GetRcvdNumberToAppend(int qsoIndex, int numberIndex, std::vector<std::string>& rcvdList);
    virtual void SetCallDependingStuff(int qsoIndex);                                     // 8
    virtual bool CanSelectCell(int col, int row) const;                                   // 9
    virtual bool IsAQTCContest() const;                                                   // 10
    virtual bool IsAnExtensionRelevantContest() const;                                    // 11
    virtual std::int32_t GetNoOfCalculatedBandMulties(int multiIndex, TBand band) const;  // 12
    virtual std::int32_t GetNoOfAllCalculatedMulties(int multiIndex) const;               // 13
    bool IsAQTCRcvdNumber(int numberIndex) const override;
    virtual bool IsValidQSO(int index, bool showMessage);  // 15
    std::string GetSwisslogSPField(int qsoIndex) const override;
    virtual std::string GetDOKFromRcvdNumber(int qsoIndex) const;  // 17
    int GetSentNumericNumberIndex() const override;
    virtual int GetRcvdNumericNumberIndex() const;        // 19
    virtual bool IsSpecialCountry(int qsoIndex) const;    // 20
    virtual void SetSpecialCountries();                   // 21
    virtual std::string GetSpecialCountries() const;      // 22
    virtual std::string GetSpecialSTFCategory() const;    // 23
    virtual bool IsAVHFContest() const;                   // 24
    virtual bool IsAMemberNumberContest() const;          // 25
    virtual TContest IsObsolete(std::string& msg) const;  // 26

protected:
    TContestLog();

    // Runs at the end of Init; classes that change display options override it.
    virtual void AfterInit() {}

    // The new-multiplier test: empty when an earlier line (band-wise: on the same band)
    // already carries `candidate` as multiplier `multiIndex` (its call is then recorded
    // in the multiplier register), else `candidate`. Near-linear during Compile.
    std::string NewMulti(int index, int multiIndex, const std::string& candidate, bool bandWise);
    std::string NewMulti(int index, int multiIndex, const std::string& candidate, TMultiScope scope);
    // The key under which the base dupe rule compares lines (the call, and the band and
    // mode as FDupeScope says). A class with another dupe criterion overrides it and
    // keeps the near-linear base IsDupe.
    virtual std::string DupeKey(int index) const;
    // Whether line `q` may make later lines dupes under the base rule: it counts (not
    // deleted by the user, not invalid after the last validity check).
    static bool CanMakeDupes(const TQSO& q);
    // True while Compile evaluates line `index` (the near-linear indexes are valid).
    bool CompilingLine(int index) const { return FCompileIndex == index && index >= 0; }
    // Called by RecompileFrom before it resumes the pass at line `row` (> 0). A class
    // with pass state of its own brings that state to what it was after line row - 1
    // and returns the first line to evaluate: `row`, or an earlier line whose verdict
    // depends on the changed lines. Lines from `row` on may differ from the last pass.
    virtual int ResumeCompilePass(int row) { return row; }
    // Base line defaults of a new QSO (band, mode, time and RSTs of the last line or
    // the first-line defaults); the caller adds the contest's sent numbers.
    std::unique_ptr<TQSO> NewQSOWithDefaults(bool setEditedFlag) const;
    void AddObligatoryCty(const std::string& masterPrefix) { FObligatoryCty.push_back(masterPrefix); }
    // Multiplier register: adds `call` under `value` of kind `multiIndex`.
    void RegisterMulti(int multiIndex, const std::string& value, TBand band, const std::string& call);

    // The definition, set by the contest class constructor.
    TContest FContest = cNoContest;
    int FNoOfSentNumbers = 0;
    int FNoOfRcvdNumbers = 0;
    int FNoOfMulties = 0;
    SBand FBands;
    SMode FModes;
    std::unique_ptr<TAmiAllocationTable> FAmiAllocationTable;
    std::unique_ptr<TMiscAllocationTable> FMiscAllocationTable;
    std::unique_ptr<TMemberList> FMemberList;
    std::unique_ptr<TSimpleList> FSimpleList;
    TContest FAlternativeContest = cNoContest;
    std::vector<std::string> FObligatoryCty;
    TLogicalOperator FLogicalOperator = loInclude;
    // Master prefixes of the countries the checks may leave out or test alone.
    std::vector<std::string> FSpecialCountries;
    // The columns after the base columns; none without a value.
    std::optional<TExchangeColumns> FExchangeColumns;
    TDupeScope FDupeScope = TDupeScope::Band;
    bool FShowModeInCategory = true;
    bool FShowTimeInCategory = false;
    bool FShowOverlayInCategory = false;

    std::vector<TColumnDescriptor> FColumnDescriptors;

private:
    void ResetResults();
    // Evaluates the lines from `start` on, after taking back what they added before.
    void RunPass(int start, bool showProgress);
    // Clears and sets the line's dupe, invalid and too-many-QTCs flags; the counter the
    // line belongs in.
    TLineCount JudgeLine(int i, bool showMessage);
    void CompileLine(int i);
    void NoteCompiledLine(int i);
    // The index answers for line `index`: the pass evaluates it or ForecastLine asks.
    bool IndexAnswers(int index) const { return CompilingLine(index) || (FProbeIndex == index && index >= 0); }
    TCompileSettings FCompileSettings;
    TCompileResult FResult;
    std::unique_ptr<TPassState> FPass;
    int FCompileIndex = -1;
    int FProbeIndex = -1;
};

// Number with dots before the last three and seven digits (1234567 -> 1.234.567).
std::string FormatThousands(std::int64_t value);

}  // namespace qz
