// qz layout: lists and edits the stored column layouts of the ASCII import.
#include <optional>
#include <string>
#include <vector>

#include "base/encoding.h"
#include "base/fileio.h"
#include "base/text.h"
#include "cli/cliutil.h"
#include "cli/commands.h"
#include "cli/terminal.h"
#include "import/formatlist.h"

namespace qz::cli {

namespace {

constexpr const char* kUsage =
    "usage: qz layout list\n"
    "       qz layout set NAME [--ext EXT] [--clear] FIELD=FROM-TO...\n"
    "       qz layout delete NAME\n\n"
    "The stored column layouts by which 'qz convert' and 'qz score' read column text logs\n"
    "(one QSO per line, every field at fixed character columns, counted from 1; tabs are\n"
    "expanded to stops every 8 columns first). A file takes the layout whose extension is\n"
    "its own, or the one named with --layout.\n"
    "  set       creates the layout NAME (stored in upper case) or changes its fields\n"
    "  --ext EXT the file extension the layout belongs to (without the dot)\n"
    "  --clear   sets every field of the layout to unused first\n"
    "  FIELD     day, month, year, hour, minute, call, band, mode, srst, rrst, sentN,\n"
    "            rcvdN (N = 1 to 40); FROM-TO = 0-0 makes the field unused\n"
    "Example: qz layout set CBRLINES --ext log call=56-68 band=6-10 mode=12-13 day=23-24\n"
    "         month=20-21 year=15-18 hour=26-27 minute=28-29\n";

bool ParseRange(const std::string& text, int& from, int& to) {
    const std::size_t dash = text.find('-');
    if (dash == std::string::npos) return false;
    std::int32_t a, b;
    if (!TryStrToInt(text.substr(0, dash), a) || !TryStrToInt(text.substr(dash + 1), b)) return false;
    if (a < 0 || b < 0 || a > 100000 || b > 100000) return false;
    from = a;
    to = b;
    return true;
}

// The start and end column of a field name; false for an unknown name.
bool FieldRefs(TPosListRec& p, const std::string& name, int*& start, int*& end, int& sentUsed, int& rcvdUsed) {
    struct TSingle {
        const char* name;
        int TPositionRec::*field;
    };
    static const TSingle kSingles[] = {{"day", &TPositionRec::Date_Day},      {"month", &TPositionRec::Date_Month},
                                       {"year", &TPositionRec::Date_Year},    {"hour", &TPositionRec::UTC_Hour},
                                       {"minute", &TPositionRec::UTC_Minute}, {"call", &TPositionRec::Call},
                                       {"band", &TPositionRec::Band},         {"mode", &TPositionRec::Mode},
                                       {"srst", &TPositionRec::Sent_RST},     {"rrst", &TPositionRec::Rcvd_RST}};
    for (const TSingle& s : kSingles)
        if (SameText(name, s.name)) {
            start = &(p.StartPos.*s.field);
            end = &(p.EndPos.*s.field);
            return true;
        }
    for (const char* prefix : {"sent", "rcvd"}) {
        if (!StartsText(prefix, name)) continue;
        std::int32_t n;
        if (!TryStrToInt(name.substr(4), n) || n < 1 || n > kMaxLayoutNumbers) return false;
        const std::size_t i = static_cast<std::size_t>(n - 1);
        const bool sent = prefix[0] == 's';
        start = sent ? &p.StartPos.Sent_Numbers[i] : &p.StartPos.Rcvd_Numbers[i];
        end = sent ? &p.EndPos.Sent_Numbers[i] : &p.EndPos.Rcvd_Numbers[i];
        (sent ? sentUsed : rcvdUsed) = std::max(sent ? sentUsed : rcvdUsed, static_cast<int>(n));
        return true;
    }
    return false;
}

std::string Describe(const TPosListRec& p) {
    std::string text = p.Name + (p.FileExtension.empty() ? "" : "  (." + p.FileExtension + ")") + "\n ";
    struct TShown {
        const char* name;
        int TPositionRec::*field;
    };
    static const TShown kShown[] = {{"day", &TPositionRec::Date_Day},      {"month", &TPositionRec::Date_Month},
                                    {"year", &TPositionRec::Date_Year},    {"hour", &TPositionRec::UTC_Hour},
                                    {"minute", &TPositionRec::UTC_Minute}, {"call", &TPositionRec::Call},
                                    {"band", &TPositionRec::Band},         {"mode", &TPositionRec::Mode},
                                    {"srst", &TPositionRec::Sent_RST},     {"rrst", &TPositionRec::Rcvd_RST}};
    for (const TShown& s : kShown)
        if (p.StartPos.*s.field > 0) text += Format(" %s=%d-%d", s.name, p.StartPos.*s.field, p.EndPos.*s.field);
    for (int i = 0; i < p.NumberOfSentNumbers; ++i)
        if (p.StartPos.Sent_Numbers[static_cast<std::size_t>(i)] > 0)
            text += Format(" sent%d=%d-%d", i + 1, p.StartPos.Sent_Numbers[static_cast<std::size_t>(i)],
                           p.EndPos.Sent_Numbers[static_cast<std::size_t>(i)]);
    for (int i = 0; i < p.NumberOfRcvdNumbers; ++i)
        if (p.StartPos.Rcvd_Numbers[static_cast<std::size_t>(i)] > 0)
            text += Format(" rcvd%d=%d-%d", i + 1, p.StartPos.Rcvd_Numbers[static_cast<std::size_t>(i)],
                           p.EndPos.Rcvd_Numbers[static_cast<std::size_t>(i)]);
    return text + "\n";
}

}  // namespace

int CmdLayout(const TArgs& argsIn) {
    TArgs args = argsIn;
    if (WantsHelp(args) || args.empty()) {
        Out(kUsage);
        return args.empty() ? 2 : 0;
    }
    const std::string path = FormatListPath();
    const std::string verb = args[0];
    args.erase(args.begin());
    if (verb != "list" && verb != "set" && verb != "delete") {
        Err("qz layout: unknown action '" + Utf8ToCp1252(verb) + "' (list, set or delete)\n");
        return 2;
    }
    // A change reads, edits and saves the list under its lock, so that runs at the same
    // time each see the others' layouts.
    std::optional<TFileLock> lock;
    if (verb != "list") {
        lock.emplace(path);
        if (!lock->Locked()) {
            Err("qz layout: " + Shown(lock->Error(), path) + "\n");
            return 1;
        }
    }
    TFormatList list;
    std::string error;
    if (!list.LoadFromFile(path, &error)) {
        // Saving what could be read would lose the layouts after the damage.
        Err("qz layout: " + Shown(error, path) + "\n  The list was not changed.\n");
        return 1;
    }
    if (verb == "list") {
        for (int i = 0; i < list.Count(); ++i) Out(Describe(list.Items(i)));
        if (list.Count() == 0) Err("qz layout: no layout is stored (" + Utf8ToCp1252(path) + ")\n");
        return 0;
    }
    std::string ext;
    const bool haveExt = TakeOption(args, "--ext", ext);
    const bool clear = TakeFlag(args, "--clear");
    if (args.empty()) {
        Err("qz layout: no layout name given\n");
        return 2;
    }
    const std::string name = UpperCase(Utf8ToCp1252(args[0]));
    args.erase(args.begin());
    int index = list.IndexOfName(name);
    if (verb == "delete") {
        if (index < 0) {
            Err("qz layout: no layout is named '" + name + "'\n");
            return 1;
        }
        list.Delete(index);
    } else {
        if (index < 0) {
            TPosListRec p;
            p.Name = name;
            list.Add(p);
            index = list.Count() - 1;
        }
        TPosListRec& p = list.Items(index);
        if (clear) p.ClearColumns();
        if (haveExt) p.FileExtension = Utf8ToCp1252(ext.size() > 0 && ext[0] == '.' ? ext.substr(1) : ext);
        int sentUsed = p.NumberOfSentNumbers, rcvdUsed = p.NumberOfRcvdNumbers;
        for (const std::string& a : args) {
            const std::size_t eq = a.find('=');
            int *start = nullptr, *end = nullptr, from = 0, to = 0;
            if (eq == std::string::npos || !FieldRefs(p, a.substr(0, eq), start, end, sentUsed, rcvdUsed) ||
                !ParseRange(a.substr(eq + 1), from, to) || (from > 0 && to < from)) {
                Err("qz layout: cannot read '" + Utf8ToCp1252(a) + "' (FIELD=FROM-TO, see 'qz layout --help')\n");
                return 2;
            }
            *start = from;
            *end = to;
        }
        p.NumberOfSentNumbers = sentUsed;
        p.NumberOfRcvdNumbers = rcvdUsed;
        list.Sort();
    }
    if (!list.SaveToFile(path, &error)) {
        Err("qz layout: " + error + "\n");
        return 1;
    }
    if (verb == "set") Out(Describe(list.Items(list.IndexOfName(name))));
    return 0;
}

}  // namespace qz::cli
