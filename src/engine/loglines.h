// The lines of a log and what travels with them: the file header, the own call and the
// country data the calls are read with, the undo history of every change, and where
// messages about the lines go. The contest's rules over the lines are TContestLog's.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "domain/call.h"
#include "domain/cty.h"
#include "domain/defs.h"
#include "domain/qso.h"
#include "engine/undo.h"

namespace qz {

class TLogLines : public TQSOOwner {
public:
    virtual ~TLogLines();
    TLogLines(const TLogLines&) = delete;
    TLogLines& operator=(const TLogLines&) = delete;

    const TFileHeader& FileHeader() const { return FFileHeader; }
    // The header's bookkeeping (read-only mark, output windows, column layout, time
    // stamps), which nothing of the log depends on; the rest changes through
    // UpdateFileHeader.
    TFileHeader& Bookkeeping() { return FFileHeader; }
    // Takes over `header` unless its own call is not a call (the log then keeps its own
    // header); true when taken over.
    virtual bool UpdateFileHeader(const TFileHeader& header);
    // The same as a change of the user's, recorded for undo.
    bool ChangeFileHeader(const TFileHeader& header);
    const TCall& OwnCall() const { return FOwnCall; }
    const TCtyStuff* CtyStuff() const override { return FCtyStuff.get(); }
    std::shared_ptr<const TCtyStuff> SharedCtyStuff() const { return FCtyStuff; }

    // Where messages about lines go (not owned; nullptr: nowhere); see TMessageLoan.
    std::vector<std::string>* MessageLines() const { return FMessageLines; }
    void SetMessageLines(std::vector<std::string>* lines) { FMessageLines = lines; }
    // A message about line `qsoIndex` ("QSO #n: text"), or a line of its own for -1.
    void AddMessage(const std::string& text, int qsoIndex) const;
    // Off: the rules ask the user nothing (batch and command line).
    bool ShowMessageBoxes() const { return FShowMessageBoxes; }
    void SetShowMessageBoxes(bool value) { FShowMessageBoxes = value; }
    // The constant part of the sent exchange the user gave once (a state, a DOK, ...).
    const std::string& ConstantSentNumber() const { return FConstantSentNumber; }
    void SetConstantSentNumber(std::string value) { FConstantSentNumber = std::move(value); }

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
    int IndexOf(const TQSO* qso) const;
    void SwapQSOList(std::vector<std::unique_ptr<TQSO>>& newList);
    void SortByTime();
    int DeleteAllEmpties();
    int DeleteAllSelected();

    int NoOfSentQTCs() const;
    int NoOfRcvdQTCs() const;
    int NoOfSelectedQSOs() const;
    int NoOfSelectedQTCs() const;
    bool QTCsAreSelected() const { return NoOfSelectedQTCs() > 0; }
    TUsedBands GetUsedBands() const;
    TUsedModes GetUsedModes() const;

    TUndoHistory& History() { return FHistory; }
    const TUndoHistory& History() const { return FHistory; }
    // Records one entry: ueaAddQSO (oldIndex), ueaMoveQSO (oldIndex to newIndex),
    // ueaChangeQSO and ueaDeleteQSO (a copy of line oldIndex, which must exist).
    void PushUndo(TUndoEnabledAction action, int oldIndex, int newIndex = 0);
    // Reverses the newest step and keeps its reversal for Redo; without one it tells the
    // user so and changes nothing.
    TUndoOutcome Undo();
    // Makes the newest undone step's change again; without one it changes nothing.
    TUndoOutcome Redo();
    // After a cell edit recorded as ueaChangeQSO: removes the newest step again when
    // line `qsoIndex` still holds exactly the saved data. True when it was removed.
    bool DropUndoIfUnchanged(int qsoIndex);

protected:
    TLogLines();

    std::shared_ptr<const TCtyStuff> FCtyStuff;
    TCall FOwnCall;
    std::vector<std::unique_ptr<TQSO>> FQSOList;

private:
    // Reverses `step` (its entries last first) and records in `inverse` the entries that
    // reverse what was just done, so that the one history serves Undo and Redo.
    TUndoOutcome ReverseStep(TUndoAction& step, TUndoAction& inverse);

    TFileHeader FFileHeader;
    std::vector<std::string>* FMessageLines = nullptr;
    bool FShowMessageBoxes = true;
    std::string FConstantSentNumber;
    TUndoHistory FHistory;
};

// Lends a message list to a log for a scope: the log's messages go to `lines` until
// the scope ends, and the list it had before comes back.
class TMessageLoan {
public:
    TMessageLoan(TLogLines& log, std::vector<std::string>* lines) : FLog(log), FBefore(log.MessageLines()) {
        log.SetMessageLines(lines);
    }
    ~TMessageLoan() { FLog.SetMessageLines(FBefore); }
    TMessageLoan(const TMessageLoan&) = delete;
    TMessageLoan& operator=(const TMessageLoan&) = delete;

private:
    TLogLines& FLog;
    std::vector<std::string>* FBefore;
};

}  // namespace qz
