// qz check: runs the log checks over logs of any known format and prints what they find,
// one row per finding. The log is compiled first (the ten-minute rule needs the
// multipliers) and never written back.
#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "base/encoding.h"
#include "base/language.h"
#include "base/options.h"
#include "base/text.h"
#include "cli/cliutil.h"
#include "cli/commands.h"
#include "cli/table.h"
#include "cli/terminal.h"
#include "domain/cty.h"
#include "engine/checks.h"
#include "import/openlog.h"

namespace qz::cli {

namespace {

constexpr const char* kUsage =
    "usage: qz check [--checks LIST] [--tsv] [--contest KEYWORD] [--cty FILE] [--layout NAME]\n"
    "                [--messages] LOG...\n\n"
    "Compiles each log in memory and runs the log checks on it; prints every finding with\n"
    "its line number, the check, the call and the message. Logs are never changed.\n"
    "  --checks LIST      comma-separated checks to run (default: all of them):\n"
    "      sent-serials   sent serial numbers that do not increase or are no number\n"
    "      sent-gaps      sent serial numbers that skip numbers\n"
    "      sent-fields    other sent exchange fields that change\n"
    "      rcvd-serials   serial numbers of one station that do not increase\n"
    "      rcvd-fields    other received fields of one station that change (zone, ...)\n"
    "      extensions     calls logged without the /P, /M or /MM used on another line\n"
    "                     (only in the contests that score portable stations apart:\n"
    "                     the field days and the ARRL 10m contest)\n"
    "      members        member numbers that differ from the club's member list\n"
    "      qsy            band changes less than ten minutes apart\n"
    "                     The serial fields are the contest's numeric fields, else the\n"
    "                     numeric fields whose values rise from one contact to the next.\n"
    "  --tsv              tab-separated rows: file, line, check, call, message\n"
    "  --contest KEYWORD  the contest for foreign files that name none the program knows\n"
    "                     (a keyword, a spelling or an ordinal as 'qz contests' lists them)\n"
    "  --cty FILE         the country file (default: the installed one)\n"
    "  --layout NAME      the stored column layout for column text files\n"
    "  --messages         also print what the readers said about each file (stderr)\n"
    "Exit status: 0 when every log is clean, 1 when a check found something or a file\n"
    "(or a line of it, named on standard error) could not be read, 2 for a usage error.\n"
    "In --tsv rows tabs, line ends and backslashes are written as \\t, \\n, \\r and \\\\.\n";

const std::vector<std::string> kCheckNames = {"sent-serials", "sent-gaps",  "sent-fields", "rcvd-serials",
                                              "rcvd-fields",  "extensions", "members",     "qsy"};

struct TFinding {
    int line;
    std::string check;
    std::string call;
    std::string message;
};

// The title of the grid column showing `property` with `index`, for naming a field.
std::string FieldTitle(const TContestLog& log, TColumnProperty property, int index) {
    for (const auto& c : log.Columns())
        if (c.ColumnProperty == property && c.ArrayIndex == index) return c.HeaderString;
    return "#" + std::to_string(index + 1);
}

class TChecker {
public:
    TChecker(TContestLog& log, std::vector<TFinding>& findings) : log_(log), findings_(findings) {
        log_.SetMessageLines(&messages_);
    }
    ~TChecker() { log_.SetMessageLines(nullptr); }
    TChecker(const TChecker&) = delete;
    TChecker& operator=(const TChecker&) = delete;

    void Run(const std::string& name) {
        const TExchangeFields f = fields_;
        if (name == "sent-serials") {
            for (int k : f.sentSerials) Collect(name, [&] { CheckSentSerials(log_, k); });
        } else if (name == "sent-gaps") {
            for (int k : f.sentSerials) Collect(name, [&] { CheckSentSerialGaps(log_, k); });
        } else if (name == "sent-fields") {
            for (int k : f.sentConstant)
                Collect(
                    name, [&] { CheckConstantSentField(log_, k); }, cpSentNumber, k, true);
        } else if (name == "rcvd-serials") {
            for (int k : f.rcvdSerials) Collect(name, [&] { Check4DiscontinuousRcvdNumbers(log_, k, {}); });
        } else if (name == "rcvd-fields") {
            for (int k : f.rcvdConstant)
                Collect(
                    name, [&] { Check4NonConstantRcvdNumbers(log_, k, {}); }, cpRcvdNumber, k, false);
        } else if (name == "extensions") {
            // Only the contests whose rules care about /P, as the desktop program offers it.
            if (log_.IsAnExtensionRelevantContest())
                Collect(name, [&] { Check4MissingExtensions(log_, false, cecPortable); });
        } else if (name == "members") {
            if (log_.IsAMemberNumberContest()) Collect(name, [&] { CheckMemberNumbers(log_, false); });
        } else if (name == "qsy") {
            Collect(name, [&] { CheckQSYRules(log_); });
        }
    }

private:
    // Runs one check and keeps its findings; for a field check the finding names the
    // field and the value the line holds.
    template <typename F>
    void Collect(const std::string& name, F check, TColumnProperty property = cpNr, int field = -1, bool sent = false) {
        messages_.clear();
        check();
        for (const auto& m : messages_) {
            int index;
            std::string text;
            if (!ParseLineMessage(m, index, text)) continue;
            const TQSO* q = log_.QSOs(index);
            if (!q) continue;
            if (field >= 0)
                text += " (" + FieldTitle(log_, property, field) + " " +
                        (sent ? q->SentNumbers(field) : q->RcvdNumbers(field)) + ")";
            findings_.push_back({index + 1, name, q->Call().Call(), text});
        }
    }

    TContestLog& log_;
    std::vector<TFinding>& findings_;
    std::vector<std::string> messages_;
    TExchangeFields fields_ = ClassifyExchangeFields(log_);
};

bool ParseCheckList(const std::string& list, std::vector<std::string>& checks) {
    checks.clear();
    for (const std::string& part : SplitString(list, ',')) {
        const std::string name = Trim(part);
        if (name.empty()) continue;
        if (std::find(kCheckNames.begin(), kCheckNames.end(), name) == kCheckNames.end()) {
            Err("qz check: unknown check '" + Utf8ToCp1252(name) + "' (see 'qz check --help')\n");
            return false;
        }
        checks.push_back(name);
    }
    if (checks.empty()) Err("qz check: --checks names no check (see 'qz check --help')\n");
    return !checks.empty();
}

}  // namespace

int CmdCheck(const TArgs& argsIn) {
    TArgs args = argsIn;
    if (WantsHelp(args)) {
        Out(kUsage);
        return 0;
    }
    const bool tsv = TakeFlag(args, "--tsv");
    std::string list, contestText;
    const bool haveList = TakeOption(args, "--checks", list);
    const bool haveContest = TakeOption(args, "--contest", contestText);
    TCommonOptions common;
    if (int status = TakeCommonOptions(args, "check", kOptCty | kOptMessages | kOptLayout, common)) return status;
    if (args.empty()) {
        Err("qz check: no file given (see 'qz check --help')\n");
        return 2;
    }
    std::vector<std::string> checks = kCheckNames;
    if (haveList && !ParseCheckList(list, checks)) return 2;
    TOpenLogOptions open = OpenOptions(common);
    if (haveContest && !ParseContest(contestText, open.defaultContest)) {
        Err("qz check: unknown contest '" + Utf8ToCp1252(contestText) + "' (see 'qz contests')\n");
        return 2;
    }
    if (!LoadCountryFile("check", common)) return 1;
    open.cty = common.cty;

    TTable rows({"file", "line", "check", "call", "message"});
    int status = 0;
    bool first = true;
    for (const std::string& path : args) {
        const std::string shown = Utf8ToCp1252(path);
        TOpenedLog loaded = OpenLog(path, open);
        std::vector<std::string> messages = std::move(loaded.messages);
        if (common.messages)
            for (const auto& m : messages) Err("qz check: " + Shown(m, path) + "\n");
        if (!loaded.log) {
            Err("qz check: " + NamedOnce(loaded.error, path) + ContestHint(loaded.contestUnknown) + "\n");
            status = 1;
            continue;
        }
        if (ReportDroppedLines("check", path, loaded.dropped, common.messages) > 0) status = 1;
        TContestLog& log = *loaded.log;
        log.SetShowMessageBoxes(false);
        log.SetMessageLines(&messages);
        log.Compile(CompileSettingsFromOptions(Options));
        log.SetMessageLines(nullptr);
        std::vector<TFinding> findings;
        {
            TChecker checker(log, findings);
            for (const auto& name : checks) checker.Run(name);
        }
        std::stable_sort(findings.begin(), findings.end(),
                         [](const TFinding& a, const TFinding& b) { return a.line < b.line; });
        if (!findings.empty()) status = std::max(status, 1);
        if (tsv) {
            for (const auto& f : findings) rows.AddRow({shown, std::to_string(f.line), f.check, f.call, f.message});
            continue;
        }
        std::string text;
        if (args.size() > 1) text += std::string(first ? "" : "\n") + "==> " + shown + " <==\n";
        first = false;
        if (findings.empty()) {
            text += "no findings\n";
        } else {
            TTable table({"line", "check", "call", "message"});
            table.RightAlign({0});
            for (const auto& f : findings) table.AddRow({std::to_string(f.line), f.check, f.call, f.message});
            text += table.Render(false);
        }
        Out(text);
    }
    if (tsv) Out(rows.Render(true));
    return status;
}

}  // namespace qz::cli
