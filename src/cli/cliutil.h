// Helpers shared by the commands that read log files.
#pragma once

#include <memory>
#include <string>

#include "cli/commands.h"
#include "domain/cty.h"
#include "domain/defs.h"
#include "import/openlog.h"

namespace qz::cli {

// File names arrive as UTF-8 while the core's texts are Windows-1252: replaces `path`
// inside `text` by its Windows-1252 form, so that the message prints right.
std::string Shown(std::string text, const std::string& path);

// A message about `path` that names it once: `error` as it stands when it names the
// file already, else the file name, ":" and `error`. Made printable like Shown.
std::string NamedOnce(const std::string& error, const std::string& path);

// A Cabrillo keyword (the first contest that uses it) or an ordinal of a contest as
// 'qz contests' lists them; false for anything else and for the two end markers.
bool ParseContest(const std::string& text, TContest& contest);

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

}  // namespace qz::cli
