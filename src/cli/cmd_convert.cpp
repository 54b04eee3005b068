// qz convert: turns foreign log files into native logs and prints the names written.
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "base/encoding.h"
#include "base/fileio.h"
#include "base/language.h"
#include "base/lsnumbers.h"
#include "base/text.h"
#include "cli/cliutil.h"
#include "cli/commands.h"
#include "cli/terminal.h"
#include "domain/cty.h"
#include "import/detect.h"
#include "logfile/qz3.h"
#include "logfile/qzf.h"

namespace qz::cli {

namespace fs = std::filesystem;

namespace {

constexpr const char* kUsage =
    "usage: qz convert [-o DIR] [--contest KEYWORD] [--layout NAME] [--force] [--cty FILE] FILE...\n\n"
    "Converts every file of a foreign format that the program recognises into a native\n"
    "log (.QZF) and prints the name of each log written. Formats converted:\n"
    "%s.\n"
    "  -o DIR             write the native logs into DIR (default: beside each source)\n"
    "  --contest KEYWORD  the contest of the logs, whatever the files say: a Cabrillo\n"
    "                     keyword, a spelling of another program ('WAE CW') or an\n"
    "                     ordinal as 'qz contests' lists them\n"
    "  --layout NAME      read column text files by the stored column layout NAME (see\n"
    "                     'qz layout'); default: the layout of the file's extension\n"
    "  --force            replace existing files without asking\n"
    "  --cty FILE         the country file for the new logs (default: the installed one)\n\n"
    "Without -o, a legacy log whose extension is not .qzf is first renamed to .QZ3 in its\n"
    "folder and the native log is written beside it as .QZF; a legacy .qzf file is\n"
    "replaced by its converted log. With -o the source files stay as they are.\n"
    "Questions: on a terminal the program asks before it replaces a file. Without a\n"
    "terminal it never asks: an existing file is kept (unless --force or --yes), and the\n"
    "file being converted counts as failed. No header dialog is shown: the header is\n"
    "taken as read from the file. An STF file is read in the column order it declares;\n"
    "with the global option --ask the program asks on a terminal which keyword of the\n"
    "file each column of the log takes.\n"
    "Exit status: 0 when every file was converted, 1 when one failed, 2 for a usage error.\n";

struct TConvertSettings {
    std::string outDir;
    TContest contest = cNoContest;
    bool force = false;
    std::string layout;
    std::shared_ptr<const TCtyStuff> cty;
};

// Converts one file; true when a native log was written (its name is printed).
bool ConvertOne(const std::string& path, const TConvertSettings& s) {
    const std::string shown = Utf8ToCp1252(path);
    std::string error;
    std::uint64_t size = 0;
    const TReadFileError why = CheckReadableFile(path, kMaxReadFileSize, &error, &size);
    if (why != TReadFileError::None && why != TReadFileError::Missing) {
        Err("qz convert: " + Shown(error, path) + "\n");
        return false;
    }
    if (why == TReadFileError::Missing || size == 0) {
        Err("qz convert: " + shown + " " + LS(lsFileEmptyOrMissing) + "\n");
        return false;
    }
    const TFileType type = DetectFileType(path, &error);
    if (type == ftUnknown && !error.empty()) {
        Err("qz convert: " + NamedOnce(error, path) + "\n");
        return false;
    }
    std::string written;
    bool cancelled = false;
    bool contestUnknown = false;
    std::vector<std::string> messages;
    TDroppedLines dropped;
    if (type == ftQZ4) {
        Err("qz convert: " + shown + ": already a native log, nothing to convert\n");
        return true;
    }
    if (type == ftQZ3) {
        TQZ3 qz3(path);
        qz3.Ask4Overwrite = !s.force;
        qz3.FixContest = s.contest;
        qz3.Cty = s.cty;
        if (!s.outDir.empty()) qz3.TargetFileName = (fs::path(s.outDir) / fs::path(path).filename()).string();
        written = qz3.ConvertLog();
        error = qz3.LastError();
        cancelled = qz3.Cancelled();
        dropped = qz3.Dropped;
        messages = dropped.listed;
    } else {
        std::unique_ptr<TConvert> converter = MakeConverter(type, path, &messages);
        if (!converter) {
            Err("qz convert: " + shown + " " +
                (type == ftUnknown
                     ? LS(lsUnknownFileType)
                     : "is a file of type " + std::string(FileTypeKeyword(type)) + ", which cannot be converted yet.") +
                "\n");
            return false;
        }
        converter->Ask4Overwrite = !s.force;
        converter->FixContest = s.contest;
        converter->Cty = s.cty;
        converter->AskQuestions = true;
        converter->LayoutName = Utf8ToCp1252(s.layout);
        converter->StoreTarget =
            s.outDir.empty() ? TStoreTarget{false, true, ""} : TStoreTarget{false, false, s.outDir};
        written = converter->ConvertLog(false);
        error = converter->LastError();
        cancelled = converter->Cancelled();
        contestUnknown = converter->ContestUnknown();
        dropped = converter->Dropped();
    }
    for (const auto& m : messages) Err("qz convert: " + shown + ": " + m + "\n");
    if (written.empty()) {
        if (cancelled)
            Err("qz convert: " + shown + " not converted: " + Shown(error, path) + " (--force replaces it)\n");
        else
            Err("qz convert: " + LS(lsConversionFailed) + " " + NamedOnce(error, path) + ContestHint(contestUnknown) +
                "\n");
        return false;
    }
    Out(Utf8ToCp1252(written) + "\n");
    // The messages above list the lines left out.
    return ReportDroppedLines("convert", path, dropped, true) == 0;
}

}  // namespace

int CmdConvert(const TArgs& argsIn) {
    TArgs args = argsIn;
    if (WantsHelp(args)) {
        std::string formats = "legacy native logs of version 3";
        for (const TConverterRow& row : ConverterRegistry())
            if (row.make) formats += ", " + std::string(FileTypeKeyword(row.firstType));
        Out(Format(kUsage, formats.c_str()));
        return 0;
    }
    TConvertSettings s;
    bool haveOut = TakeOption(args, "-o", s.outDir) || TakeOption(args, "--output", s.outDir);
    std::string contest;
    bool haveContest = TakeOption(args, "--contest", contest);
    s.force = TakeFlag(args, "--force");
    TCommonOptions common;
    if (int status = TakeCommonOptions(args, "convert", kOptCty | kOptLayout, common)) return status;
    if (args.empty()) {
        Err("qz convert: no file given (see 'qz convert --help')\n");
        return 2;
    }
    if (haveContest && !ParseContest(contest, s.contest)) {
        Err("qz convert: unknown contest '" + Utf8ToCp1252(contest) + "' (see 'qz contests')\n");
        return 2;
    }
    std::error_code ec;
    if (haveOut && (s.outDir.empty() || !fs::is_directory(s.outDir, ec))) {
        Err("qz convert: " + LS(lsLogFolderMissing) + " " + Utf8ToCp1252(s.outDir) + "\n");
        return 1;
    }
    if (!LoadCountryFile("convert", common)) return 1;
    s.cty = common.cty;
    s.layout = common.layout;
    int status = 0;
    for (const auto& path : args)
        if (!ConvertOne(path, s)) status = 1;
    return status;
}

}  // namespace qz::cli
