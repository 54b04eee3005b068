// The writer framework: the base class of every export format, the field helpers the
// text formats share, and the window-free part of the editor's output windows (which
// windows a log shows, their refresh order, extensions, proposed file names, producing
// and saving their text).
#pragma once

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "base/version.h"
#include "domain/defs.h"
#include "engine/contestlog.h"

namespace qz {

// The program as the writers name it in their files ("CREATED-BY", "# BinVersion").
inline constexpr std::string_view kWriterProgramName = "QZ Version " QZ_PRODUCT_VERSION_TEXT;
inline constexpr std::string_view kWriterBanner = " by Quorvel";

// Base of the writers. A writer borrows one compiled log for one export; the log must
// outlive it. Messages about values the format cannot hold are written to the log's
// MessageLines (as "QSO #n: text") and kept in Messages().
class TExport {
public:
    explicit TExport(const TContestLog& contestLog) : FContestLog(contestLog) {}
    virtual ~TExport() = default;
    TExport(const TExport&) = delete;
    TExport& operator=(const TExport&) = delete;

    // Appends the format's lines to `lines` (a writer may clear it first, see each
    // writer). The base does nothing.
    virtual void ExportLog(std::vector<std::string>& lines);
    // Remembers `fileName`; when the file exists, asks whether to overwrite it (OK /
    // Cancel). True when the file does not exist or the user chose OK. Writes nothing.
    virtual bool WriteLog(const std::string& fileName);

    const std::string& FileName() const { return FFileName; }
    const std::vector<std::string>& Messages() const { return FMessages; }

protected:
    // `qsoIndex` counts from 0; -1 for a message about the whole log.
    void AddMessage(const std::string& text, int qsoIndex);

    const TContestLog& FContestLog;
    std::string FFileName;

private:
    std::vector<std::string> FMessages;
};

// Key padded with blanks to 13 characters, then the value (a longer key is followed
// directly by its value).
std::string KeyValueLine(std::string_view key, std::string_view value);

// Formats `value` with a one-conversion format "<text>%[-][width][.precision]s<text>";
// an empty value becomes "-" first so that no field vanishes from a blank-separated
// line. A format without a %s conversion is returned as it stands.
std::string FormatField(std::string_view fmt, std::string_view value);

// The lines of a multi-line header text (split at CR, LF or CR LF); no line at all
// for an empty text.
std::vector<std::string> HeaderTextLines(std::string_view text);
// A multi-line header text as one line: its non-empty lines joined by single blanks.
std::string JoinHeaderText(std::string_view text);
// Control bytes (below 0x20) replaced by blanks, so that a value never breaks a line.
std::string LineSafe(std::string_view value);
// A value as one field for a reader that splits a line at blanks: blanks and control
// bytes at its ends removed, those inside it made "_" ("DL 1" -> "DL_1"). An empty value
// stays empty.
std::string FieldSafe(std::string_view value);

// The band part of a header category: "ALL" when the good lines lie on several bands,
// else the upper-cased band name of the first good line (of line 0 when no line is
// good); "" for a log without lines.
std::string CategoryBandValue(const TContestLog& log);
// The mode part likewise: "MIXED", or the upper-cased mode name ("SSB", not "PH").
std::string CategoryModeValue(const TContestLog& log);
// The keyword of `value` in a category table, "" for an ordinal outside it (a damaged
// header).
template <typename Table>
std::string CategoryName(const Table& table, int value) {
    if (value < 0 || static_cast<std::size_t>(value) >= table.size()) return {};
    return std::string(table[static_cast<std::size_t>(value)]);
}

// Texts of the writers' messages: a language string, or the English wording while the
// loaded language file has no line for it.
enum TExportText { etValueCut, etOwnCallCut };
std::string ExportText(TExportText text);

// Output windows

// The order in which a refresh fills the windows.
inline constexpr std::array<TOutputWindow, 7> kRefreshOrder = {owComments, owResult, owSTF,     owCabrillo,
                                                               owADIF,     owRES,    owSwisslog};
// The order in which the check boxes are set when a log is handed to the editor; each
// acts like a click, so the last one checked ends in front.
inline constexpr std::array<TOutputWindow, 7> kCheckOrder = {owResult, owComments, owSTF,     owCabrillo,
                                                             owADIF,   owRES,      owSwisslog};

// The check boxes to set when a log with this header opens: windows 1 to 7 of
// fhQZ_OutputWindows; none for a file last written by version 4.0.0 or earlier.
SOutputWindow OutputWindowsToCheck(const TFileHeader& header);
// fhQZ_OutputWindows to store when the log is saved: the messages plus every checked
// window among 1 to 7.
SOutputWindow OutputWindowsToStore(SOutputWindow checked);
// Whether the window's tab is visible: the messages always, others when checked.
bool OutputWindowTabVisible(TOutputWindow window, SOutputWindow checked);

// Whether a compile would overwrite edits: any window but the messages is modified
// (the editor then asks first, language string 102).
bool CompileOverwritesEdits(SOutputWindow modified);

// Extension without the dot ("" for the placeholders) and the language-string number
// of the save dialog's filter (0 when none).
std::string OutputWindowExtension(TOutputWindow window);
int OutputWindowFilter(TOutputWindow window);

// The own call with every "/" replaced by "_" (DL1ABC/P -> DL1ABC_P).
std::string OwnCallFileStem(std::string_view ownCall);
// The name of a written output: the folder (with a separator added when it is not
// empty and lacks one) + OwnCallFileStem + "." + the window's extension. Serves the
// export actions (folder: Options.Path_Exported_Logs), "save output as" (no folder; the
// dialog opens in the export folder) and the batch exports (the destination folder).
std::string ProposedExportFileName(std::string_view exportFolder, std::string_view ownCall, TOutputWindow window);
// The question asked before an export replaces an existing file: the name, a blank
// and language string 6.
std::string ExportOverwriteQuestion(const std::string& fileName);

// The writer of a text output window, or nullptr for a window without one (messages,
// comments, result, and formats whose writer is not part of this build).
std::unique_ptr<TExport> CreateOutputWindowWriter(TOutputWindow window, const TContestLog& log);

// Produces a window's content anew (comments and result from the log's reports, the
// formats from a new writer). False when the window has no producer; `lines` is then
// left empty. `messages` (may be nullptr) receives the writer's messages.
bool ProduceOutputWindow(TOutputWindow window, const TContestLog& log, std::vector<std::string>& lines,
                         std::vector<std::string>* messages = nullptr);

// The bytes of an export file of `window`: the window's text as OutputFileText gives it,
// or for owDBase the dBase table dated `writtenAt`. False (and no bytes) when the window
// has no producer.
bool ProduceExportFile(TOutputWindow window, const TContestLog& log, std::string& bytes,
                       std::vector<std::string>* messages, TDateTime writtenAt);

// Refreshes the windows of `windows` that are also in `checked`, in kRefreshOrder:
// each is produced anew and handed to `fill` (which replaces the window's text and
// clears its Modified flag). The messages window is never refreshed here.
void RefreshOutputWindows(const TContestLog& log, SOutputWindow windows, SOutputWindow checked,
                          const std::function<void(TOutputWindow, std::vector<std::string>&)>& fill);

// The bytes of a saved output: every line followed by CR LF, bytes unchanged.
std::string OutputFileText(const std::vector<std::string>& lines);
// Writes OutputFileText to `path` (atomically). False with a message in `error`.
bool SaveOutputFile(const std::string& path, const std::vector<std::string>& lines, std::string* error = nullptr);

}  // namespace qz
