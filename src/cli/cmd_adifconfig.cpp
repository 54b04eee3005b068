// qz adif-config: shows and changes the stored ADIF export configuration (the fields
// written, the time format, the place of the contest identifier and the field names
// of the received numbers).
#include <string>

#include "base/encoding.h"
#include "base/text.h"
#include "cli/commands.h"
#include "cli/terminal.h"
#include "export/adifexport.h"
#include "domain/adifformat.h"

namespace qz::cli {

namespace {

constexpr const char* kUsage =
    "usage: qz adif-config [show]\n"
    "       qz adif-config set SETTING=VALUE...\n"
    "       qz adif-config defaults [--rcvd N]\n\n"
    "The ADIF export ('qz export --format adif') writes the fields chosen here.\n"
    "  SETTING=VALUE  qso_date, time_on, time_off, call, band, freq, mode, rst_sent,\n"
    "                 rst_rcvd, qsl_sent, qsl_rcvd, stx = on|off;\n"
    "                 time = hhmm|hhmmss; contest_id = record|header;\n"
    "                 rcvdN = an ADIF field name for the N-th received number of a QSO\n"
    "                 (srx, comment, age, cnty, cont, cqz, dxcc, gridsquare, iota, ituz,\n"
    "                 pfx, qth, rx_pwr, state, ve_prov) or none\n"
    "  defaults       restores the defaults; the first N received numbers (default 2)\n"
    "                 get the proposals srx and comment\n";

struct TSwitch {
    const char* name;
    bool TADIFConfig::*field;
};
constexpr TSwitch kSwitches[] = {
    {"qso_date", &TADIFConfig::QSO_DATE}, {"time_on", &TADIFConfig::TIME_ON},   {"time_off", &TADIFConfig::TIME_OFF},
    {"call", &TADIFConfig::CALL},         {"band", &TADIFConfig::BAND},         {"freq", &TADIFConfig::FREQ},
    {"mode", &TADIFConfig::MODE},         {"rst_sent", &TADIFConfig::RST_SENT}, {"rst_rcvd", &TADIFConfig::RST_RCVD},
    {"qsl_sent", &TADIFConfig::QSL_SENT}, {"qsl_rcvd", &TADIFConfig::QSL_RCVD}, {"stx", &TADIFConfig::STX},
};
// Received numbers a contest may have; rows beyond its own are not written.
constexpr int kShownRows = 10;

void Show(const TADIFConfig& c) {
    std::string text;
    for (const TSwitch& s : kSwitches) text += Format("%-10s %s\n", s.name, c.*s.field ? "on" : "off");
    text += Format("%-10s %s\n", "time", c.TimeFormat == 1 ? "hhmmss" : "hhmm");
    text += Format("%-10s %s\n", "contest_id", c.ContestIdOutput == 1 ? "header" : "record");
    for (std::size_t n = 0; n < c.RcvdAssignment.size(); ++n)
        if (!c.RcvdAssignment[n].empty())
            text += Format("rcvd%-6d %s\n", static_cast<int>(n + 1), c.RcvdAssignment[n].c_str());
    Out(text);
}

}  // namespace

int CmdADIFConfig(const TArgs& argsIn) {
    TArgs args = argsIn;
    if (WantsHelp(args)) {
        Out(kUsage);
        return 0;
    }
    TADIFConfig c = TADIFConfig::FromSettings(kShownRows);
    if (args.empty() || args[0] == "show") {
        Show(c);
        return 0;
    }
    const std::string verb = args[0];
    args.erase(args.begin());
    if (verb == "defaults") {
        std::string rows = "2";
        TakeOption(args, "--rcvd", rows);
        std::int32_t n;
        if (!TryStrToInt(rows, n) || n < 0 || n > kShownRows) {
            Err("qz adif-config: --rcvd takes a number from 0 to " + std::to_string(kShownRows) + "\n");
            return 2;
        }
        c = TADIFConfig{};
        c.RcvdAssignment.assign(static_cast<std::size_t>(kShownRows), "");
        if (n > 0) c.RcvdAssignment[0] = adif::kSRX;
        if (n > 1) c.RcvdAssignment[1] = adif::kComment;
    } else if (verb == "set") {
        c.RcvdAssignment.resize(static_cast<std::size_t>(kShownRows));
        for (const std::string& a : args) {
            const std::size_t eq = a.find('=');
            const std::string key = LowerCase(a.substr(0, eq));
            const std::string value = eq == std::string::npos ? "" : LowerCase(a.substr(eq + 1));
            bool ok = false;
            for (const TSwitch& s : kSwitches)
                if (key == s.name && (value == "on" || value == "off")) {
                    c.*s.field = value == "on";
                    ok = true;
                }
            if (key == "time" && (value == "hhmm" || value == "hhmmss")) {
                c.TimeFormat = value == "hhmmss" ? 1 : 0;
                ok = true;
            }
            if (key == "contest_id" && (value == "record" || value == "header")) {
                c.ContestIdOutput = value == "header" ? 1 : 0;
                ok = true;
            }
            std::int32_t n;
            if (StartsText("rcvd", key) && TryStrToInt(key.substr(4), n) && n >= 1 && n <= kShownRows) {
                bool known = value == "none";
                for (std::string_view f : adif::kRcvdFieldChoices) known = known || value == f;
                if (known) {
                    c.RcvdAssignment[static_cast<std::size_t>(n - 1)] = value == "none" ? "" : value;
                    ok = true;
                }
            }
            if (!ok) {
                Err("qz adif-config: cannot read '" + Utf8ToCp1252(a) + "' (see 'qz adif-config --help')\n");
                return 2;
            }
        }
    } else {
        Err("qz adif-config: unknown action '" + Utf8ToCp1252(verb) + "' (show, set or defaults)\n");
        return 2;
    }
    if (!c.Save()) {
        Err("qz adif-config: the settings could not be written\n");
        return 1;
    }
    Show(c);
    return 0;
}

}  // namespace qz::cli
