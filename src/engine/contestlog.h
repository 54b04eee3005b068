// One station's log for one contest: the lines, the header that travels with them,
// the country data and own call they are checked against, the editor's column model,
// the compile pass and its results, and the 27 virtual rule operations that every
// contest class overrides as its rules require.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "base/text.h"
#include "domain/call.h"
#include "domain/cty.h"
#include "domain/defs.h"
#include "domain/qso.h"
#include "engine/compilesettings.h"
#include "engine/ruledata.h"

namespace qz {

class TAmiAllocationTable;
class TMiscAllocationTable;
class TMemberList;
class TSimpleList;
class TSingleUndo;
class TUndoAction;
class TUndoActionList;

struct TColumnDescriptor {
    TColumnProperty ColumnProperty = cpNr;
    std::string HeaderString;
    std::int32_t ArrayIndex = -1;
    S_QSO_QTC QSO_QTC;
    std::string STFOrderKeyWord;
};

// The calls that carried one multiplier value, per band and overall, in log order.
struct TMultiListItem {
    std::array<std::vector<std::string>, kNoOfBands> mliBandLists;
    std::vector<std::string> mliSummaryList;
};

// Multiplier values of one kind, sorted ignoring case (a value and its other-case
// spelling share one entry).
struct TMultiValueLess {
    bool operator()(const std::string& a, const std::string& b) const { return CompareText(a, b) < 0; }
};
using TMultiList = std::map<std::string, TMultiListItem, TMultiValueLess>;

// Where an earlier line must have carried a multiplier value for a later line not to
// count it again: anywhere in the log, on the same band, or on the same band in the
// same mode.
enum class TMultiScope : std::uint8_t { Log, Band, BandMode };

enum TUndoEnabledAction : std::uint8_t { ueaChangeQSO, ueaAddQSO, ueaDeleteQSO, ueaMoveQSO, ueaSortList };

// What undoing the newest step did: nothing (no step), lines changed in place, or lines
// added, removed or reordered (a grid must be rebuilt).
enum class TUndoOutcome : std::uint8_t { NothingToUndo, LinesChanged, ListChanged };

// What a paste of clipboard text did (see PasteFromClipboard).
struct TPasteResult {
    int added = 0;
    // Marked lines that were not pasted, each "line N: reason" (N counts the text's
    // lines from 1).
    std::vector<std::string> rejected;
    // A pasted line held more sent or received numbers than this log keeps.
    bool surplusNumbers = false;
};

class TContestLog : public TQSOOwner {
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

    // --- Header ---------------------------------------------------------------------
    TFileHeader PublicFileHeader;
    TContestLogCreateError ContestLogCreateError = ENoError;
    std::vector<std::string>* MessageLines = nullptr;  // not owned
    std::string ConstantSentNumber;
    bool ShowMessageBoxes = true;

    void UpdateFileHeader(const TFileHeader& header);
    std::string GetLongContestName() const;

    TContest Contest() const { return FContest; }
    const TCall& OwnCall() const { return FOwnCall; }
    int NoOfSentNumbers() const override { return FNoOfSentNumbers; }
    int NoOfRcvdNumbers() const override { return FNoOfRcvdNumbers; }
    int NoOfMulties() const override { return FNoOfMulties; }
    const TCtyStuff* CtyStuff() const override { return FCtyStuff.get(); }
    std::shared_ptr<const TCtyStuff> SharedCtyStuff() const { return FCtyStuff; }
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

    // --- Lines ------------------------------------------------------------------------
    int NoOfQSOs() const { return static_cast<int>(FQSOList.size()); }
    // The line at `index`, or nullptr.
    const TQSO* QSOs(int index) const;
    TQSO* QSOs(int index);
    // Copies `qso` into the existing line at `index`; ignored beyond the list.
    void SetQSOs(int index, const TQSO& qso);
    // An edit of the user: records a change entry for line `index` (undo) and copies
    // `edited` into it. The line keeps its selection, points and multipliers, the values
    // of the last compile, until the next compile. Ignored beyond the list.
    void ChangeQSO(int index, const TQSO& edited);
    // A new line bound to this log (not yet in the list).
    std::unique_ptr<TQSO> NewQSO(bool setEditedFlag) const;
    void AppendQSO(std::unique_ptr<TQSO> qso);
    void InsertQSO(int index, std::unique_ptr<TQSO> qso);
    void InsertQSOAtTime(std::unique_ptr<TQSO> qso);
    void MoveQSO(int currentIndex, int newIndex, bool pushUndo);
    void DeleteQSO(int index, bool pushUndo);
    // Takes line `index` out of the list without an undo record (nullptr beyond it);
    // InsertQSO puts it back.
    std::unique_ptr<TQSO> TakeQSO(int index);
    // Appends the line a typist starts next (the contest's defaults: band, mode and
    // time of the last line, the next serial number), exactly one, with its undo
    // record; returns its index.
    int AppendNewLine();
    int IndexOf(const TQSO* qso) const;
    void SwapQSOList(std::vector<std::unique_ptr<TQSO>>& newList);
    void SortByTime();
    int DeleteAllEmpties();
    int DeleteAllSelected();

    int NoOfSentQTCs() const;
    int NoOfRcvdQTCs() const;
    int NoOfSelectedQSOs() const;
    int NoOfSelectedQTCs() const;
    bool QTCsAreSelected() const;
    TUsedBands GetUsedBands() const;
    TUsedModes GetUsedModes() const;
    bool BandIsAllowed(TBand band) const { return FBands.Contains(band); }
    bool ModeIsAllowed(TMode mode) const { return FModes.Contains(mode); }

    std::string GetNextSentQSONumber(int numberIndex) const override;
    int GetNextSentQTCSerialNumber() const;

    // --- Undo history (undo.cpp) --------------------------------------------------------
    // Off after construction; switching it off drops every step.
    bool UndoEnabled() const { return FUndoEnabled; }
    void SetUndoEnabled(bool value);
    // While on, recorded entries collect in one step, pushed when it is switched off.
    bool UndoGroupingEnabled() const { return FUndoGroupingEnabled; }
    void SetUndoGroupingEnabled(bool value);
    bool UndoItemAvailable() const;
    // Records one entry: ueaAddQSO (oldIndex), ueaMoveQSO (oldIndex to newIndex),
    // ueaChangeQSO and ueaDeleteQSO (a copy of line oldIndex, which must exist). Sorting
    // records its own entry; ueaSortList is ignored here.
    void PushUndo(TUndoEnabledAction action, int oldIndex, int newIndex = 0);
    const TUndoAction* GetUndoPeek() const;
    void PopUndoPeek();
    void ClearUndoList();
    // Reverses the newest step (its entries last first) and removes it; without one it
    // tells the user so and changes nothing.
    TUndoOutcome Undo();
    // The steps Undo reversed, newest on top; any newly recorded change empties it.
    bool RedoItemAvailable() const;
    // Makes the change of the newest undone step again and puts it back on the undo
    // history; without one it changes nothing.
    TUndoOutcome Redo();
    void ClearRedoList();
    // After a cell edit recorded as ueaChangeQSO: removes the newest step again when
    // line `qsoIndex` still holds exactly the saved data. True when it was removed.
    bool DropUndoIfUnchanged(int qsoIndex);

    // --- Checks (checks.cpp): findings go to MessageLines -------------------------------
    void Check4DiscontinuousSentNumbers();
    void Check4NonConstantSentNumbers(int listIndex);
    void Check4DiscontinuousRcvdNumbers(int listIndex, SExchangedNumbersCheck options);
    void Check4NonConstantRcvdNumbers(int listIndex, SExchangedNumbersCheck options);
    bool Check4MissingExtensions(bool extendAutomatically, TCallExtensionCheck check);
    // With `correct` false the differing numbers are only reported.
    bool CheckMemberNumbers(bool correct = true);
    void CheckQSYRules();

    // --- Bulk edits on the selected lines (checks.cpp), each one undo step ---------------
    bool SetTimeDifference(int days, int hours, int minutes);
    bool SetSentNumbers(TSetSentNumberMode mode, const std::string& startNumber, int numberIndex, bool includeQTCs);
    void SetMode4SelectedQSOs(TMode mode);
    // Sets (bad) or clears (good) qfUserDeleted on every selected line.
    void SetUserDeleted4SelectedQSOs(bool bad);
    // Empties the flags of every line; returns the number of lines changed.
    int ClearAllFlags();
    bool AllSelectedQSOTimesHasBeenEdited() const;

    // --- Clipboard text (clipboard.cpp) -------------------------------------------------
    // The selected lines in log order, or line `qsoIndex` alone when none is selected.
    std::string CopyToClipboard(int qsoIndex) const;
    // Appends the marked lines of `text` as one undo step; shows the problems found.
    int PasteFromClipboard(std::string_view text);
    // The same without any message box.
    TPasteResult PasteText(std::string_view text);

    // --- Columns ------------------------------------------------------------------------
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

    // --- Compile ------------------------------------------------------------------------
    // Applies the rules to every line with `settings`; they stay in force for the
    // validity checks asked after the pass (CompileSettings) until the next one.
    void Compile(const TCompileSettings& settings = TCompileSettings());
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

    // What a line would bring: the answer to "is it a dupe, is it a new multiplier"
    // while it is being typed.
    struct TLineForecast {
        bool known = false;                                   // false when the lines changed since the last pass
        bool invalid = false;                                 // the rules reject it (no country, band not allowed, ...)
        int dupeOf = -1;                                      // the earliest line before it that makes it a dupe
        std::vector<std::pair<int, std::string>> newMulties;  // multiplier kind, value
    };
    // Line `row` judged with the data of `line` instead of its own against the lines
    // before it, as the next RecompileFrom(row) would judge it. Nothing in the log
    // changes; costs about as much as evaluating one line.
    TLineForecast ForecastLine(int row, const TQSO& line);

    std::int32_t GetNoOfBandGoodQSOs(TBand b) const { return FResult_NoOfBandGoodQSOs[b]; }
    std::int32_t GetNoOfBandModeGoodQSOs(TBand b, TMode m) const { return FResult_NoOfBandModeGoodQSOs[m][b]; }
    std::int32_t GetNoOfBandGoodQTCs(TBand b) const { return FResult_NoOfBandGoodQTCs[b]; }
    std::int32_t GetNoOfBandInvalidQSOs(TBand b) const { return FResult_NoOfBandInvalidQSOs[b]; }
    std::int32_t GetNoOfBandInvalidQTCs(TBand b) const { return FResult_NoOfBandInvalidQTCs[b]; }
    std::int32_t GetNoOfBandDupes(TBand b) const { return FResult_NoOfBandDupes[b]; }
    std::int32_t GetNoOfBandUserDeletedQSOs(TBand b) const { return FResult_NoOfBandUserDeletedQSOs[b]; }
    std::int32_t GetNoOfBandMulties(int multiIndex, TBand b) const;
    std::int32_t GetBandPoints(TBand b) const { return FResult_BandPoints[b]; }
    std::int32_t GetNoOfAllMulties(int multiIndex) const;
    std::int32_t GetNoOfAllGoodQSOs() const { return FResult_NoOfAllGoodQSOs; }
    std::int32_t GetNoOfAllModeGoodQSOs(TMode m) const { return FResult_NoOfAllModeGoodQSOs[m]; }
    std::int32_t GetNoOfAllGoodQTCs() const { return FResult_NoOfAllGoodQTCs; }
    std::int32_t GetNoOfAllInvalidQSOs() const { return FResult_NoOfAllInvalidQSOs; }
    std::int32_t GetNoOfAllInvalidQTCs() const { return FResult_NoOfAllInvalidQTCs; }
    std::int32_t GetNoOfAllDupes() const { return FResult_NoOfAllDupes; }
    std::int32_t GetNoOfAllUserDeletedQSOs() const { return FResult_NoOfAllUserDeletedQSOs; }
    std::int32_t GetAllPoints() const { return FResult_AllPoints; }
    const std::vector<TMultiList>& MultiList() const { return FMultiList; }

    void AddMessage(const std::string& text, int qsoIndex) const;
    std::string QueryExchangeValue(int promptStringIndex, const std::string& def) const;
    std::string NextSentSerialText(int numberIndex) const;
    // The comment summary (the result overview is the virtual WriteResults).
    void WriteAllComments(std::vector<std::string>& destination) const;

    // --- The 27 rule operations, in slot order ------------------------------------------
    virtual bool IsDupe(int index);                                          // 0
    virtual std::string GetMulti(int index, int multiIndex);                 // 1
    virtual std::int32_t GetPoints(int index);                               // 2
    virtual std::int64_t GetFinalResult() const;                             // 3
    virtual void WriteResults(std::vector<std::string>& destination) const;  // 4
    virtual void CreateAndAppendQSO(bool setEditedFlag);                     // 5
    virtual void SetColumns();                                               // 6
    virtual std::string GetRcvdNumberToAppend(int qsoIndex, int numberIndex,
                                              std::vector<std::string>& rcvdList);        // 7
    virtual void SetCallDependingStuff(int qsoIndex);                                     // 8
    virtual bool CanSelectCell(int col, int row) const;                                   // 9
    virtual bool IsAQTCContest() const;                                                   // 10
    virtual bool IsAnExtensionRelevantContest() const;                                    // 11
    virtual std::int32_t GetNoOfCalculatedBandMulties(int multiIndex, TBand band) const;  // 12
    virtual std::int32_t GetNoOfAllCalculatedMulties(int multiIndex) const;               // 13
    bool IsAQTCRcvdNumber(int numberIndex) const override;                                // 14
    virtual bool IsValidQSO(int index, bool showMessage);                                 // 15
    std::string GetSwisslogSPField(int qsoIndex) const override;                          // 16
    virtual std::string GetDOKFromRcvdNumber(int qsoIndex) const;                         // 17
    int GetSentNumericNumberIndex() const override;                                       // 18
    virtual int GetRcvdNumericNumberIndex() const;                                        // 19
    virtual bool IsSpecialCountry(int qsoIndex) const;                                    // 20
    virtual void SetSpecialCountries();                                                   // 21
    virtual std::string GetSpecialCountries() const;                                      // 22
    virtual std::string GetSpecialSTFCategory() const;                                    // 23
    virtual bool IsAVHFContest() const;                                                   // 24
    virtual bool IsAMemberNumberContest() const;                                          // 25
    virtual TContest IsObsolete(std::string& msg) const;                                  // 26

protected:
    TContestLog();

    // Runs at the end of Init; classes that change display options override it.
    virtual void AfterInit() {}

    // --- Helpers for contest classes ------------------------------------------------------
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

    // Opens an undo group unless one is open already; true when this call opened it, to
    // be handed to UndoEndGroup, so that operations nest inside a caller's group.
    bool UndoBeginGroup();
    void UndoEndGroup(bool opened);
    bool UndoRecording() const { return FUndoEnabled && FUndoActionList != nullptr; }

    // --- Definition, set by the contest class constructor ----------------------------
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

    std::shared_ptr<const TCtyStuff> FCtyStuff;
    TCall FOwnCall;
    std::vector<std::unique_ptr<TQSO>> FQSOList;
    std::vector<TColumnDescriptor> FColumnDescriptors;

    // --- Results ------------------------------------------------------------------------
    TBandResult FResult_NoOfBandGoodQSOs{};
    TBandModeResult FResult_NoOfBandModeGoodQSOs{};
    TBandResult FResult_NoOfBandGoodQTCs{};
    TBandResult FResult_NoOfBandInvalidQSOs{};
    TBandResult FResult_NoOfBandInvalidQTCs{};
    TBandResult FResult_NoOfBandDupes{};
    TBandResult FResult_NoOfBandUserDeletedQSOs{};
    std::vector<TBandResult> FResult_NoOfBandMulties;
    TBandResult FResult_BandPoints{};
    std::int32_t FResult_NoOfAllGoodQSOs = 0;
    TModeResult FResult_NoOfAllModeGoodQSOs{};
    std::int32_t FResult_NoOfAllGoodQTCs = 0;
    std::int32_t FResult_NoOfAllInvalidQSOs = 0;
    std::int32_t FResult_NoOfAllInvalidQTCs = 0;
    std::int32_t FResult_NoOfAllDupes = 0;
    std::int32_t FResult_NoOfAllUserDeletedQSOs = 0;
    std::vector<std::int32_t> FResult_NoOfAllMulties;
    std::int32_t FResult_AllPoints = 0;
    std::vector<TMultiList> FMultiList;

private:
    // Which result counter a line was counted in.
    enum class TLineCount : std::uint8_t { Dupe, UserDeleted, GoodQTC, InvalidQTC, GoodQSO, InvalidQSO };
    // How many lines hold an item of an index, and the first of them. Items whose lines
    // were all taken back stay with a count of 0, so that a trace can point at them.
    struct TSeenItem {
        std::int32_t count = 0;
        std::int32_t first = 0;
    };
    struct TSeenPlace {
        TBand band;
        TMode mode;
        TSeenItem item;
    };
    // What one evaluated line added to the pass's indexes, counters and register, so that
    // a later pass can take it back although the line has been changed since.
    struct TLineTrace {
        const TQSO* qso = nullptr;
        std::size_t firstEntry = 0;      // its entries in FPassEntries
        TSeenItem* dupeMaker = nullptr;  // its dupe key, when it makes dupes
        TLineCount counted = TLineCount::InvalidQSO;
        TBand band = b160m;
        TMode mode = mCW;
        std::int32_t points = 0;
    };
    // A call a line put in the register, or a multiplier value it carried.
    struct TPassEntry {
        int multiIndex = 0;
        TBand band = b160m;
        TMultiList::iterator registered;  // valid when `places` is nullptr
        std::vector<TSeenPlace>* places = nullptr;
        std::size_t place = 0;
    };

    void ResetResults();
    void ResetTotals();
    // Evaluates the lines from `start` on, after taking back what they added before.
    void RunPass(int start, bool showProgress);
    void TakeBackLinesFrom(int start);
    void TakeBackEntry(const TPassEntry& e);
    // Clears and sets the line's dupe, invalid and too-many-QTCs flags; the counter the
    // line belongs in.
    TLineCount JudgeLine(int i, bool showMessage);
    void CompileLine(int i);
    void AddBandToTotals(TBand b);
    void NoteCompiledLine(int i);
    // The index answers for line `index`: the pass evaluates it or ForecastLine asks.
    bool IndexAnswers(int index) const { return CompilingLine(index) || (FProbeIndex == index && index >= 0); }
    // True when the first `lines` lines, and no others, have their traces from the last
    // pass, in the current order.
    bool PassIsCurrent(std::size_t lines) const;

    void PushUndoEntry(TSingleUndo entry);
    // Reverses `step` (its entries last first) and records in `inverse` the entries that
    // reverse what was just done, so that the one history serves Undo and Redo.
    TUndoOutcome ReverseStep(TUndoAction& step, TUndoAction& inverse);

    bool FUndoEnabled = false;
    bool FUndoGroupingEnabled = false;
    std::unique_ptr<TUndoActionList> FUndoActionList;
    std::unique_ptr<TUndoActionList> FRedoActionList;
    std::unique_ptr<TUndoAction> FUndoAction;

    TCompileSettings FCompileSettings;
    // Compile-pass indexes of what the lines before the current one carried.
    // The indexes answer "before line i" by the first line that added an item: during
    // a pass every item comes from an earlier line, and after one ForecastLine can ask
    // for any line. The counts let a later pass take items back.
    int FCompileIndex = -1;
    int FProbeIndex = -1;
    std::unordered_map<std::string, TSeenItem> FSeenDupeKeys;
    // Where lines carried a multiplier value: per band and mode.
    // Per multiplier kind: value -> where lines carried it.
    std::vector<std::unordered_map<std::string, std::vector<TSeenPlace>>> FSeenMulties;
    std::vector<TLineTrace> FLineTraces;  // per line of the last pass, in order
    std::vector<TPassEntry> FPassEntries;
};

// Number with dots before the last three and seven digits (1234567 -> 1.234.567).
std::string FormatThousands(std::int64_t value);

}  // namespace qz
