// qz score: reads logs of any known format (foreign ones converted in memory),
// compiles them and prints the result reports or one summary row per file.
#include <unistd.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "base/encoding.h"
#include "base/language.h"
#include "base/text.h"
#include "cli/cliutil.h"
#include "cli/commands.h"
#include "cli/table.h"
#include "cli/terminal.h"
#include "contests/factory.h"
#include "domain/cty.h"
#include "import/cabrilloimport.h"
#include "import/detect.h"
#include "logfile/qz3.h"
#include "logfile/qzf.h"

namespace qz::cli {

namespace fs = std::filesystem;

namespace {

// A keyword or ordinal, else the spellings of other programs ("WAE CW") that the
// Cabrillo reader understands.
bool ParseScoreContest(const std::string& text, TContest& contest) {
    if (ParseContest(text, contest)) return true;
    contest = CabrilloContestFromName(Utf8ToCp1252(text));
    return contest != cNoContest && contest != cEndOfContestlist;
}

constexpr const char* kUsage =
    "usage: qz score [--contest KEYWORD] [--layout NAME] [--messages] [--tsv] [--save] [--cty FILE]\n"
    "                FILE...\n\n"
    "Reads each log, compiles it by the rules of its contest and prints its result report.\n"
    "Native logs are read as they are; foreign files (Cabrillo, and the other formats the\n"
    "program converts) are recognised by their content and converted in memory: no file\n"
    "is written unless --save is given.\n"
    "  --contest KEYWORD  the contest for files that name none the program knows: a\n"
    "                     Cabrillo keyword, a spelling of another program ('WAE CW') or\n"
    "                     an ordinal as 'qz contests' lists them\n"
    "  --layout NAME      read column text files by the stored column layout NAME (see\n"
    "                     'qz layout'); default: the layout of the file's extension\n"
    "  --messages         also print the reader's and the compile messages\n"
    "  --tsv              print one tab-separated row per file instead of the reports:\n"
    "                     file, call, contest, QSOs, multipliers, score, claimed score\n"
    "  --save             store each converted foreign log as a native log beside its\n"
    "                     source (.QZF; the program asks before replacing a file)\n"
    "  --cty FILE         the country file to score with (default: the installed one)\n"
    "A log of a contest whose rules are not built yet is named but not scored (its score\n"
    "stays empty in --tsv).\n"
    "Exit status: 0 when every file was scored, 1 when one was not, 2 for a usage error.\n";

struct TScoreSettings {
    TContest contest = cNoContest;
    bool messages = false;
    bool tsv = false;
    bool save = false;
    std::string layout;
    std::shared_ptr<const TCtyStuff> cty;
};

// A log read from any file the program knows, with what the reader said about it.
struct TLoaded {
    std::unique_ptr<TContestLog> log;
    std::string claimed;
    std::string error;
};

// Foreign formats other than Cabrillo have no in-memory reader: their converter writes
// into a private temporary folder (beside the source with --save), the log is read back
// and the temporary folder removed.
TLoaded ConvertThroughFile(TFileType type, const std::string& path, const TScoreSettings& s,
                           std::vector<std::string>& messages) {
    TLoaded r;
    std::unique_ptr<TConvert> converter = MakeConverter(type, path, &messages);
    if (!converter) {
        r.error = path + " " + LS(26);
        return r;
    }
    std::error_code ec;
    const fs::path tmp = fs::temp_directory_path(ec) / ("qz-score-" + std::to_string(::getpid()));
    converter->Cty = s.cty;
    converter->AskQuestions = true;
    converter->LayoutName = Utf8ToCp1252(s.layout);
    converter->DefaultContest = s.contest;
    if (s.save) {
        converter->StoreTarget = TStoreTarget{false, true, ""};
    } else {
        fs::create_directories(tmp, ec);
        converter->Ask4Overwrite = false;
        converter->StoreTarget = TStoreTarget{false, false, tmp.string()};
    }
    const std::string written = converter->ConvertLog(false);
    if (written.empty()) {
        r.error = converter->LastError().empty() ? LS(245) + " " + path : converter->LastError();
    } else {
        if (s.save) Err("qz score: saved " + Utf8ToCp1252(written) + "\n");
        TQZF qzf;
        r.log = qzf.ReadLog(written, s.cty);
        if (!r.log) r.error = qzf.LastError();
    }
    if (!s.save) fs::remove_all(tmp, ec);
    return r;
}

TLoaded LoadAny(const std::string& path, const TScoreSettings& s, std::vector<std::string>& messages) {
    TLoaded r;
    switch (const TFileType type = DetectFileType(path)) {
        case ftQZ4: {
            TQZF qzf;
            r.log = qzf.ReadLog(path, s.cty);
            r.error = qzf.LastError();
            break;
        }
        case ftQZ3: {
            TQZ3 qz3(path);
            qz3.Cty = s.cty;
            std::string bytes;
            if (ReadWholeFile(path, bytes, &r.error)) {
                r.log = qz3.ReadFromBytes(bytes);
                r.error = qz3.LastError();
            }
            break;
        }
        case ftCabrillo: {
            TCabrilloImport reader(path, &messages);
            reader.Cty = s.cty;
            reader.DefaultContest = s.contest;
            r.log = reader.ReadLog(false);
            r.error = reader.LastError();
            r.claimed = Trim(reader.TagValue("CLAIMED-SCORE"));
            if (r.log && s.save) {
                TQZF qzf;
                const std::string written = qzf.StoreLog(path, *r.log, true);
                if (written.empty())
                    Err("qz score: " + Shown(qzf.LastError().empty() ? path + ": not saved" : qzf.LastError(), path) +
                        "\n");
                else
                    Err("qz score: saved " + Utf8ToCp1252(written) + "\n");
            }
            break;
        }
        case ftUnknown:
            r.error = path + " " + LS(26);
            break;
        default:
            return ConvertThroughFile(type, path, s, messages);
    }
    return r;
}

}  // namespace

int CmdScore(const TArgs& argsIn) {
    TArgs args = argsIn;
    if (WantsHelp(args)) {
        Out(kUsage);
        return 0;
    }
    TScoreSettings s;
    s.messages = TakeFlag(args, "--messages");
    s.tsv = TakeFlag(args, "--tsv");
    s.save = TakeFlag(args, "--save");
    std::string contest, ctyFile;
    const bool haveContest = TakeOption(args, "--contest", contest);
    TakeOption(args, "--cty", ctyFile);
    TakeOption(args, "--layout", s.layout);
    for (const auto& a : args) {
        if (a.size() > 1 && a[0] == '-') {
            Err("qz score: unknown option '" + Utf8ToCp1252(a) + "' (see 'qz score --help')\n");
            return 2;
        }
    }
    if (args.empty()) {
        Err("qz score: no file given (see 'qz score --help')\n");
        return 2;
    }
    if (haveContest && !ParseScoreContest(contest, s.contest)) {
        Err("qz score: unknown contest '" + Utf8ToCp1252(contest) + "' (see 'qz contests')\n");
        return 2;
    }
    if (!ctyFile.empty()) {
        auto loaded = std::make_shared<TCtyStuff>(ctyFile);
        if (loaded->CtyListCount() == 0) {
            Err("qz score: no country data: " + loaded->LoadError() + "\n");
            return 1;
        }
        s.cty = loaded;
    }

    TTable table({"file", "call", "contest", "qsos", "multipliers", "score", "claimed"});
    int status = 0;
    bool first = true;
    for (const std::string& path : args) {
        const std::string shown = Utf8ToCp1252(path);
        std::error_code ec;
        if (!fs::is_regular_file(path, ec) || fs::file_size(path, ec) == 0 || ec) {
            Err("qz score: " + shown + " " + LS(280) + "\n");
            status = 1;
            continue;
        }
        std::vector<std::string> messages;
        TLoaded loaded = LoadAny(path, s, messages);
        if (!loaded.log) {
            for (const auto& m : messages) Err("qz score: " + Shown(m, path) + "\n");
            Err("qz score: " + Shown(loaded.error.empty() ? path + ": " + LS(196) : loaded.error, path) + "\n");
            status = 1;
            continue;
        }
        TContestLog& log = *loaded.log;
        if (!ContestHasOwnRules(log.Contest())) {
            // The base rules would score it 0: name the contest instead of a score.
            for (const auto& m : messages) Err("qz score: " + Shown(m, path) + "\n");
            Err("qz score: " + shown + ": " + RulesNotBuiltMessage(log.Contest()) + "\n");
            if (s.tsv)
                table.AddRow({shown, log.PublicFileHeader.fhUser_OwnCall,
                              std::string(CabrilloContestNames[static_cast<std::size_t>(log.Contest())]), "", "", "",
                              loaded.claimed});
            status = 1;
            continue;
        }
        log.MessageLines = &messages;
        log.ShowMessageBoxes = false;
        log.Compile();
        std::vector<std::string> report;
        log.WriteResults(report);
        std::int64_t multipliers = 0;
        for (int k = 0; k < log.NoOfMulties(); ++k) multipliers += log.GetNoOfAllCalculatedMulties(k);
        const std::int64_t score = log.GetFinalResult();
        log.MessageLines = nullptr;

        if (s.tsv) {
            table.AddRow({shown, log.PublicFileHeader.fhUser_OwnCall,
                          std::string(CabrilloContestNames[static_cast<std::size_t>(log.Contest())]),
                          std::to_string(log.GetNoOfAllGoodQSOs()), std::to_string(multipliers), std::to_string(score),
                          loaded.claimed});
            if (s.messages)
                for (const auto& m : messages) Err(Shown(m, path) + "\n");
            continue;
        }
        std::string text;
        if (args.size() > 1) text += std::string(first ? "" : "\n") + "==> " + shown + " <==\n";
        first = false;
        for (const auto& line : report) text += line + "\n";
        if (s.messages)
            for (const auto& line : messages) text += Shown(line, path) + "\n";
        Out(text);
    }
    if (s.tsv) Out(table.Render(true));
    return status;
}

}  // namespace qz::cli
