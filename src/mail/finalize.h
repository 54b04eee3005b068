// The finalize workflow: compile, save the log locked against editing, export it as
// STF or Cabrillo and send the export to the contest's log robot, in one command. The
// sequence is here; each front end supplies the steps (the editor with its dialogs,
// the command line with files).
#pragma once

#include <cstdint>
#include <string>

#include "domain/defs.h"

namespace qz {

struct TFinalizeChoice {
    bool exportLog = true;
    TOutputWindow format = owSTF;  // owSTF or owCabrillo
    bool sendEMail = true;         // only when exporting
};

// The stored choice: "Finalize_Export" (0 no export, 1 STF, 2 Cabrillo; default 1) and
// "Finalize_SendEMail" (default true). Other stored numbers read as the default.
TFinalizeChoice LoadFinalizeChoice();
void StoreFinalizeChoice(const TFinalizeChoice& choice);
// The format a log of `contest` is submitted in: Cabrillo for a contest with a Cabrillo
// name, else STF.
TOutputWindow SubmissionFormat(TContest contest);

class TFinalizeSteps {
public:
    virtual ~TFinalizeSteps() = default;
    virtual void Compile() = 0;
    virtual bool ReadOnly() const = 0;
    // Sets the header's read-only flag, saves the log and shows it read-only. True when
    // the log is saved afterwards (not modified).
    virtual bool LockAndSave() = 0;
    virtual void ClearUndo() = 0;
    // Writes the export file; its name, or "" when it was cancelled or failed.
    virtual std::string Export(TOutputWindow format) = 0;
    // Sends the export file; true when it was sent (or handed to the mail client).
    virtual bool Send(const std::string& exportedFile) = 0;
};

enum class TFinalizeResult : std::uint8_t { Done, NotSaved, NotExported, NotSent };

// Runs the steps: compile; lock and save unless the log is read-only already (a log
// that is still modified afterwards ends the workflow); clear the undo history; export
// when chosen (no file ends the workflow); send when chosen.
TFinalizeResult RunFinalize(const TFinalizeChoice& choice, TFinalizeSteps& steps, std::string* exportedFile = nullptr);

}  // namespace qz
