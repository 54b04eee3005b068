// Helpers shared by the commands that read log files.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "base/droppedlines.h"
#include "cli/commands.h"
#include "cli/table.h"
#include "domain/cty.h"
#include "domain/defs.h"
#include "engine/contestlog.h"
#include "import/openlog.h"

namespace qz::cli {

// File names arrive as UTF-8 while the core's texts are Windows-1252: replaces `path`
// inside `text` by its Windows-1252 form, so that the message prints right.
std::string Shown(std::string text, const std::string& path);

// A message about `path` that names it once: `error` as it stands when it names the
// file already, else the file name, ":" and `error`. Made printable like Shown.
std::string NamedOnce(const std::string& error, const std::string& path);

// What the commands that take --contest add to the message about a file that names no
// contest the program knows (`contestUnknown`); "" otherwise.
std::string ContestHint(bool contestUnknown);

// Shows on standard error what the reader left out of `path`: unless `listedElsewhere`
// (the messages, which hold them, are printed anyway) every listed line, and always
// how many lines were not read. Returns that number; a command that got any exits 1.
int ReportDroppedLines(const std::string& command, const std::string& path, const TDroppedLines& dropped,
                       bool listedElsewhere);

// An ordinal of a contest as 'qz contests' lists them, else a name as the readers of
// foreign logs take it (ContestFromSpelling: a Cabrillo keyword or another program's
// spelling such as "WAE CW"); false for anything else and for the two end markers.
bool ParseContest(const std::string& text, TContest& contest);

// The file names of a command over many files: those in each list file of `lists`
// (one per line, blank lines and the line ends' CR ignored; "-" = standard input),
// then those of `names`. 0 when there is at least one, else the exit status after a
// message: 2 when nothing was given, 1 when a list could not be read or names no file.
int GatherFiles(const std::string& command, const std::vector<std::string>& lists, const TArgs& names,
                std::vector<std::string>& files);

// The value of --jobs: a number from 1 to 1024; false after a message.
bool ParseJobs(const std::string& command, const std::string& text, unsigned& jobs);

// The options that commands share. Which of them a command takes is given by the
// flags; every other argument that starts with "-" is refused the same way.
enum TCommonOption : unsigned { kOptCty = 1, kOptMessages = 2, kOptLayout = 4 };

struct TCommonOptions {
    bool messages = false;
    std::string ctyFile;
    // --layout NAME: the stored column layout for column text files.
    std::string layout;
    // Loaded by LoadCountryFile when --cty was given.
    std::shared_ptr<const TCtyStuff> cty;
};

// Takes the shared options from `args` and refuses unknown ones ("qz COMMAND: unknown
// option ..."). Call it after the command took its own options. 0 when the arguments
// are fine, else the exit status (2) after the message was printed.
int TakeCommonOptions(TArgs& args, const std::string& command, unsigned accepted, TCommonOptions& options);

// Loads the country file of --cty, if one was given; false after a message.
bool LoadCountryFile(const std::string& command, TCommonOptions& options);

// The options of OpenLog from the shared options.
TOpenLogOptions OpenOptions(const TCommonOptions& options);

// What a compiled log's result depends on beyond its lines, for a reader to reproduce
// it: the country file, its version ("unknown" when the file names none) and the
// compile settings that differ from their defaults (joined with ", ", "" for none).
struct TProvenance {
    std::string ctyFile;
    std::string ctyVersion;
    std::string settings;
};
TProvenance ProvenanceOf(const TContestLog& log);
// The two report lines: "Country file: FILE, version V" and "Compile settings: ..."
// ("defaults" when none differs).
std::vector<std::string> ProvenanceLines(const TProvenance& p);

// Writes `bytes` to standard output as they are; false when that failed.
bool WriteStdout(const std::string& bytes);

// Whether "qz COMMAND" may write `outFile`: it is none of `inputs`, its folder exists
// (a missing folder is a mistake in the name, not a request to create one), and it
// exists only when `force` is given (it may be a file a log was converted from; --yes
// only answers questions) and is then no folder. False after a message.
bool OutputFileAllowed(const std::string& command, const std::string& outFile, const std::vector<std::string>& inputs,
                       bool force);

}  // namespace qz::cli
