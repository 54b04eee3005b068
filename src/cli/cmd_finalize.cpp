// qz finalize: compiles a log, saves it locked against editing, exports it as STF or
// Cabrillo and sends the export to the contest's log robot.
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "base/encoding.h"
#include "base/fileio.h"
#include "base/frontend.h"
#include "cli/cliutil.h"
#include "cli/commands.h"
#include "cli/mailcli.h"
#include "cli/terminal.h"
#include "export/exporter.h"
#include "logfile/qzf.h"
#include "mail/finalize.h"
#include "mail/smtp.h"

namespace qz::cli {

namespace {

namespace fs = std::filesystem;

constexpr const char* kUsage =
    "usage: qz finalize [--format cabrillo|stf|none] [--no-send] [-o OUT] [--to ADDRESS]\n"
    "                   [--subject S] [--body TEXT] [--password-stdin] [--cty FILE]\n"
    "                   [--layout NAME] [--messages] LOG\n\n"
    "Makes a log ready for submission in one go: compiles it, saves it as a native log\n"
    "(LOG.QZF beside a foreign LOG) marked read-only, exports it and sends the export to\n"
    "the log robot of its contest by e-mail.\n"
    "  --format F    the export: stf, cabrillo, or none (no export, no e-mail); default:\n"
    "                the editor's stored finalize choice (Finalize_Export), else STF\n"
    "  --no-send     export only (default: the stored choice Finalize_SendEMail)\n"
    "  -o OUT        the export file (default: the own call with the format's extension,\n"
    "                beside the log: DL1ABC.stf, DL1ABC.log); an existing one is replaced\n"
    "                only after a yes (--yes)\n";

class TCliFinalizeSteps : public TFinalizeSteps {
public:
    TCliFinalizeSteps(TContestLog& log, std::string path, std::string outFile, const TMailOptions& mail)
        : log_(log), path_(std::move(path)), outFile_(std::move(outFile)), mail_(mail) {}

    void Compile() override {
        // The log was compiled when it was opened (its messages are printed there).
    }
    bool ReadOnly() const override { return log_.FileHeader().fhQZ_ReadOnly; }
    bool LockAndSave() override {
        log_.Bookkeeping().fhQZ_ReadOnly = true;
        TQZF qzf;
        std::error_code ec;
        const std::string target = NativeFileName(path_);
        const bool itself = fs::equivalent(target, path_, ec);
        if (qzf.StoreLog(path_, log_, !itself).empty()) {
            Err("qz finalize: " + Shown(qzf.LastError(), target) + (qzf.Cancelled() ? " (--yes replaces it)" : "") +
                "\n");
            return false;
        }
        Err("qz finalize: saved read-only as " + Utf8ToCp1252(qzf.FileName()) + "\n");
        return true;
    }
    void ClearUndo() override { log_.History().Clear(); }
    std::string Export(TOutputWindow format) override {
        std::string out = outFile_;
        if (out.empty())
            out = (fs::path(path_).parent_path() / ProposedExportFileName("", log_.FileHeader().fhUser_OwnCall, format))
                      .string();
        std::error_code ec;
        if (fs::equivalent(out, path_, ec)) {
            Err("qz finalize: " + Utf8ToCp1252(out) + " is the log itself; choose another name with -o\n");
            return {};
        }
        if (fs::exists(out, ec) && AskOkCancel(ExportOverwriteQuestion(Utf8ToCp1252(out))) != TMsgAnswer::Ok) {
            Err("qz finalize: " + Utf8ToCp1252(out) + " exists and was kept (--yes replaces it)\n");
            return {};
        }
        std::vector<std::string> lines;
        ProduceOutputWindow(format, log_, lines);
        std::string error;
        if (!SaveOutputFile(out, lines, &error)) {
            Err("qz finalize: " + Shown(error, out) + "\n");
            return {};
        }
        Err("qz finalize: exported " + Utf8ToCp1252(out) + "\n");
        return out;
    }
    bool Send(const std::string& file) override {
        std::string bytes, error;
        if (!ReadWholeFile(file, bytes, &error, kMaxAttachmentSize)) {
            Err("qz finalize: " + Shown(error, file) + "\n");
            return false;
        }
        const std::string name = Utf8ToCp1252(fs::path(file).filename().string());
        return SendExport("finalize", log_, name, bytes, file, mail_) == 0;
    }

private:
    TContestLog& log_;
    std::string path_, outFile_;
    TMailOptions mail_;
};

}  // namespace

int CmdFinalize(const TArgs& argsIn) {
    TArgs args = argsIn;
    if (WantsHelp(args)) {
        Out(std::string(kUsage) + kMailOptionsUsage);
        return 0;
    }
    TFinalizeChoice choice = LoadFinalizeChoice();
    std::string format, outFile;
    if (TakeOption(args, "--format", format)) {
        if (format == "none") {
            choice.exportLog = false;
        } else if (format == "stf" || format == "cabrillo" || format == "cbr") {
            choice.exportLog = true;
            choice.format = format == "stf" ? owSTF : owCabrillo;
        } else {
            Err("qz finalize: unknown format '" + Utf8ToCp1252(format) + "' (stf, cabrillo or none)\n");
            return 2;
        }
    }
    if (TakeFlag(args, "--no-send")) choice.sendEMail = false;
    if (!choice.exportLog) choice.sendEMail = false;
    const bool haveOut = TakeOption(args, "-o", outFile) || TakeOption(args, "--output", outFile);
    TMailOptions mail;
    TakeMailOptions(args, mail);
    TCommonOptions common;
    if (int status = TakeCommonOptions(args, "finalize", kOptCty | kOptMessages | kOptLayout, common)) return status;
    if (args.size() != 1) {
        Err(args.empty() ? "qz finalize: no log file given (see 'qz finalize --help')\n"
                         : "qz finalize: one log file at a time\n");
        return 2;
    }
    if (haveOut && outFile.empty()) {
        Err("qz finalize: -o needs a file name\n");
        return 2;
    }
    const std::string path = args[0];
    if (!LoadCountryFile("finalize", common)) return 1;
    TOpenedMailLog opened;
    if (!OpenAndCompile("finalize", path, common, opened)) return 1;
    LoadRobotAddresses();
    TCliFinalizeSteps steps(*opened.log, path, outFile, mail);
    return RunFinalize(choice, steps) == TFinalizeResult::Done ? 0 : 1;
}

}  // namespace qz::cli
