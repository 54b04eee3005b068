// The base of every converter of foreign log files: the steps all of them share
// (header defaults, contest choice, header check, log creation, storing the result)
// and the helpers that find a contest or an own call for a file.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "base/droppedlines.h"
#include "domain/cty.h"
#include "domain/defs.h"
#include "engine/contestlog.h"
#include "logfile/qzf.h"

namespace qz {

struct TOptions;

// Where a converted log is stored.
struct TStoreTarget {
    // Name the file after the log's own call ("/" becomes "_") instead of the source.
    bool SaveAsCallsign = false;
    // Keep the file in the source's folder instead of LogFolder.
    bool IgnoreDefaultPaths = false;
    // The folder of native logs; it must exist when IgnoreDefaultPaths is off.
    std::string LogFolder;

    static TStoreTarget FromOptions(const TOptions& options);
};

class TConvert {
public:
    // `messages` collects remarks on the conversion for the caller (not owned, may be
    // nullptr). FileNotFound tells whether the file exists.
    TConvert(std::string fileName, std::vector<std::string>* messages);
    virtual ~TConvert();
    TConvert(const TConvert&) = delete;
    TConvert& operator=(const TConvert&) = delete;

    // Converts the file and returns the name of the native log written, or "" when
    // nothing was written. Without `showMessageBoxes` no dialog or message box is shown.
    // By default: BuildLog, StoreConvertedLog, then ReleaseSource.
    virtual std::string ConvertLog(bool showMessageBoxes);
    // The converter's own file type when the file is of it, else ftUnknown.
    virtual TFileType CheckFormat();

    // Converts the file in memory: runs ConvertLog, whose store step hands the log over
    // instead of writing it. nullptr when nothing was converted (LastError() says why).
    // Works for every converter that stores through StoreConvertedLog.
    std::unique_ptr<TContestLog> ReadLog(bool showMessageBoxes = false);

    // The score the file claims for itself, where the format has one ("" otherwise);
    // known after ConvertLog or ReadLog.
    virtual std::string ClaimedScore() const { return FClaimedScore; }

    // Stores the log built by ConvertLog as StoreTarget says; returns the file name
    // written, or "" (LastError() says why, Cancelled() when an existing file was kept).
    // Inside ReadLog nothing is written: the log is kept for ReadLog and the source's
    // name is returned.
    std::string StoreConvertedLog();

    const std::string& FileName() const { return FFileName; }
    const std::string& LastError() const { return FLastError; }
    // After CheckFormat gave ftUnknown: why a file that is of the converter's format
    // (by its marks, or by its extension where that is all the format has) cannot be
    // read, e.g. it is cut short; "" when it is simply of another format.
    const std::string& DamagedReason() const { return FDamaged; }
    // The lines of the file the last conversion could not read and left out.
    const TDroppedLines& Dropped() const { return FDropped; }
    bool Cancelled() const { return FCancelled; }
    // True when the last conversion failed because the file names no contest the
    // program knows and none was given: each front end says in its own words how to
    // give one.
    bool ContestUnknown() const { return FContestUnknown; }

    bool FileNotFound = false;
    // When not cNoContest, the contest to use whatever the file says.
    TContest FixContest = cNoContest;
    // The contest used when the file names none the program knows (cNoContest: none).
    TContest DefaultContest = cNoContest;
    // Taken from the settings record at construction.
    TStoreTarget StoreTarget;
    // Ask the converter's own questions (the STF column allocation) through the front
    // end's text question even without message boxes; the front end decides whether it
    // really asks (the command line only with --ask on a terminal).
    bool AskQuestions = false;
    // The stored column layout to read a column text by, by name; empty = the first
    // layout whose extension is the file's.
    std::string LayoutName;
    // Ask before an existing native file is replaced; false replaces it.
    bool Ask4Overwrite = true;
    // Country data for the new log; without it the header's country file is loaded.
    std::shared_ptr<const TCtyStuff> Cty;
    // The header dialog, shown when message boxes are allowed: the user checks and
    // corrects the header; false (cancelled) ends the conversion. Not set: the header
    // is taken as read from the file.
    std::function<bool(TFileHeader& header)> EditHeader;
    TContestLogMaker LogMaker;

protected:
    // Steps shared by every ConvertLog once the header is filled from the file: the
    // fixed contest, the header dialog and the contest factory. False when the dialog
    // was cancelled or no log could be made (FContestLog is then empty).
    bool CreateLog(TFileHeader header, bool showMessageBoxes);
    // Adds a remark to the caller's message list.
    void AddMessage(const std::string& text) const;
    // A line (record) of the file that is left out of the log: counted and reported,
    // `message` naming the file, the line and the reason.
    void DropLine(const std::string& message);
    // Reads the file into FContestLog; false when nothing could be read (FLastError says
    // why, FCancelled when the user cancelled).
    virtual bool BuildLog(bool showMessageBoxes);
    // Drops what the converter read of its file once a conversion is over.
    virtual void ReleaseSource() {}

    std::string FFileName;
    std::unique_ptr<TContestLog> FContestLog;
    std::vector<std::string>* FMessages;
    std::string FLastError;
    bool FCancelled = false;
    // See ContestUnknown.
    bool FContestUnknown = false;
    // Set by a converter that reads a claimed score from its file.
    std::string FClaimedScore;
    // Emptied by CreateLog.
    TDroppedLines FDropped;
    // Set by CheckFormat, see DamagedReason.
    std::string FDamaged;

private:
    bool FInMemory = false;
    std::unique_ptr<TContestLog> FHandedOver;
};

// The contest whose Cabrillo keyword contains `name` (ignoring case), else the first
// whose keyword is contained in it, else cNoContest; "" gives cNoContest.
TContest ContestFromName(std::string_view name);

// The name of the folder that directly holds the file, when it consists only of
// letters, digits and "_" and one of its parts between "_" is shaped like a call
// (DL1ABC, 9A1A), with every "_" made "/" (DL1ABC_P -> DL1ABC/P); else "" (logs,
// Downloads, 2024). Readers take it only when the file names no own call.
std::string CallFromFolderName(const std::string& fileName);

}  // namespace qz
